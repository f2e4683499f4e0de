// Laying out help texts.
#include "cli/help_text.h"

namespace quillon::cli {

std::string wrapText(std::string_view lead, std::string_view text, std::size_t indent,
                     std::size_t width)
{
    std::string out(lead);
    std::size_t lineLength = lead.size();
    bool lineEmpty = true;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t start = text.find_first_not_of(' ', at);
        if (start == std::string_view::npos)
            break;
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (!lineEmpty && lineLength + 1 + word.size() > width) {
            out += '\n';
            out.append(indent, ' ');
            lineLength = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out += ' ';
            ++lineLength;
        }
        out += word;
        lineLength += word.size();
        lineEmpty = false;
        at = end;
    }
    return out + '\n';
}

std::string HelpFormatter::make_description(const CLI::App* app) const
{
    return wrapText("", app->get_description(), 0) + "\n";
}

std::string HelpFormatter::make_option_desc(const CLI::Option* option) const
{
    // The layout indents every line after a line break to the column of the texts.
    std::string text = wrapText("", option->get_description(), 0, 79 - get_column_width());
    text.pop_back();
    return text;
}

}  // namespace quillon::cli
