// Help texts of the command-line program laid out for a terminal.
#pragma once

#include <CLI/CLI.hpp>

#include <cstddef>
#include <string>
#include <string_view>

namespace quillon::cli {

/// `text` broken at blanks into lines of at most `width` characters: the first line after
/// `lead` (which it includes), the others indented by `indent` blanks. Ends with a newline.
[[nodiscard]] std::string wrapText(std::string_view lead, std::string_view text, std::size_t indent,
                                   std::size_t width = 79);

/// The help layout of the subcommands: descriptions and option texts broken into lines that
/// fit 79 columns.
class HelpFormatter final : public CLI::Formatter {
public:
    [[nodiscard]] std::string make_description(const CLI::App* app) const override;
    [[nodiscard]] std::string make_option_desc(const CLI::Option* option) const override;
};

}  // namespace quillon::cli
