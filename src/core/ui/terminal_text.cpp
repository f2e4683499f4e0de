// Message boxes as plain text.
#include "core/ui/terminal_text.h"

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

}  // namespace quillon::ui
