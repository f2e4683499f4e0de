// The text pieces of the export list.
#include "reports/export_list_layout.h"

#include <charconv>

namespace quillon::reports {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::size_t kRuleLength = 43;
constexpr char kMacron = '\xAF';
constexpr std::string_view kStartComment = ";Start of Exported Procedures from ";
constexpr std::string_view kEndComment = ";End of Exported Procedures from ";

void appendComment(std::string& out, std::string_view comment, std::string_view module)
{
    out += comment;
    out += module;
    out += kCrLf;
}

}  // namespace

void appendUnderline(std::string& out)
{
    out += "  ";
    out.append(kRuleLength, '_');
    out += kCrLf;
}

void appendOverline(std::string& out)
{
    out += "  ";
    out.append(kRuleLength, kMacron);
    out += kCrLf;
}

void appendBlankFrame(std::string& out)
{
    out += "  ";
    out += kCrLf;
}

void appendFramed(std::string& out, std::string_view text)
{
    out += "  ";
    out += text;
    out += kCrLf;
}

std::string exportListTitle(bool copied, std::string_view firstModule)
{
    std::string out;
    appendUnderline(out);
    if (copied)
        appendFramed(out, "     List is copied to the clipboard");
    appendOverline(out);
    appendUnderline(out);
    appendFramed(out, "         E X P O R T   L I S T");
    appendOverline(out);
    appendBlankFrame(out);
    appendComment(out, kStartComment, firstModule);
    return out;
}

void appendModuleSwitch(std::string& out, std::string_view from, std::string_view to)
{
    appendComment(out, kEndComment, from);
    out += kCrLf;
    appendComment(out, kStartComment, to);
}

void appendSymbolLine(std::string& out, std::string_view symbol, std::uint16_t ordinal,
                      std::string_view comment)
{
    out += "  ";
    out += symbol;
    const bool longName = symbol.size() >= kAtColumnNameLimit;
    // Two leading blanks and 38 - length blanks put "@" in column 41.
    out.append(longName ? 1 : 38 - symbol.size(), ' ');
    out += '@';
    char digits[8];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, ordinal);
    (void)ec;
    const auto digitCount = static_cast<std::size_t>(end - digits);
    out.append(digits, digitCount);
    if (!comment.empty()) {
        out.append(longName || digitCount >= 5 ? 1 : 6 - digitCount, ' ');
        out += comment;
    }
    out += kCrLf;
}

void appendEndBlock(std::string& out, std::string_view lastModule)
{
    appendComment(out, kEndComment, lastModule);
    out += kCrLf;
    out += kCrLf;
    appendUnderline(out);
    appendFramed(out, "              E N D   L I S T");
    appendOverline(out);
    for (int i = 0; i < 4; ++i)
        out += kCrLf;
}

}  // namespace quillon::reports
