// Message boxes as plain text.
#include "core/ui/terminal_text.h"

#include "base/ascii_text.h"
#include "base/text_encoding.h"

namespace quillon::ui {

namespace {

bool isPadding(std::string_view line)
{
    if (line.empty())
        return false;
    for (const char c : line) {
        if (c != kNonBreakingSpace)
            return false;
    }
    return true;
}

std::vector<std::string> split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.emplace_back(text.substr(start, at == std::string_view::npos ? text.npos : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

/// The access key of a button ("&Yes" gives 'Y'), or 0 when it has none.
char accessKey(std::string_view button)
{
    for (std::size_t i = 0; i + 1 < button.size(); ++i) {
        if (button[i] == '&') {
            if (button[i + 1] != '&')
                return button[i + 1];
            ++i;
        }
    }
    return 0;
}

}  // namespace

std::string messageAsText(const MessageBox& box)
{
    std::string out = textWithPathsToUtf8(box.title) + "\n";
    for (const std::string& line : split(box.text, '|')) {
        if (isPadding(line))
            continue;
        out += textWithPathsToUtf8(line);
        out += '\n';
    }
    return out;
}

std::vector<std::string> buttonLabels(const std::string& buttons)
{
    std::vector<std::string> labels;
    for (std::string label : split(buttons, '|')) {
        std::string plain;
        for (std::size_t i = 0; i < label.size(); ++i) {
            if (label[i] == '&' && i + 1 < label.size() && label[i + 1] != '&')
                continue;
            plain.push_back(label[i]);
        }
        labels.push_back(plain);
    }
    return labels;
}

std::string answerChoices(const std::string& buttons, int defaultButton)
{
    std::string out;
    int position = 0;
    for (const std::string& button : split(buttons, '|')) {
        ++position;
        if (!out.empty())
            out += ", ";
        std::string shown;
        bool marked = false;
        for (std::size_t i = 0; i < button.size(); ++i) {
            if (button[i] == '&' && i + 1 < button.size() && button[i + 1] != '&' && !marked) {
                shown += '[';
                shown += button[i + 1];
                shown += ']';
                marked = true;
                ++i;
            } else if (button[i] != '&') {
                shown += button[i];
            }
        }
        out += shown;
        if (position == defaultButton)
            out += " (Enter)";
    }
    return out;
}

std::optional<int> answeredButton(const std::string& buttons, std::string_view answer)
{
    const std::string typed = upperCase(trimBlanks(answer));
    if (typed.empty())
        return std::nullopt;
    const std::vector<std::string> parts = split(buttons, '|');
    const std::vector<std::string> labels = buttonLabels(buttons);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const char key = accessKey(parts[i]);
        const bool byKey = typed.size() == 1 && key != 0 && upperCase(std::string(1, key)) == typed;
        if (byKey || upperCase(labels[i]) == typed || std::to_string(i + 1) == typed)
            return static_cast<int>(i + 1);
    }
    return std::nullopt;
}

}  // namespace quillon::ui
