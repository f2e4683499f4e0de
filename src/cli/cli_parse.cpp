// Parsing a subcommand's arguments with CLI11.
#include "cli/cli_parse.h"

#include <iostream>

#include "platform/native_path.h"

namespace quillon::cli {

std::optional<int> parseSubcommand(CLI::App& app, int argc, char** argv)
{
    try {
        app.parse(argc - 1, argv + 1);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::ParseError& e) {
        std::cerr << app.get_name() << ": " << e.what() << "\n" << app.help();
        return 2;
    }
    return std::nullopt;
}

CLI::Option* asPath(CLI::Option* option)
{
    return option->transform([](const std::string& value) { return platform::nativePath(value); },
                             "", "");
}

}  // namespace quillon::cli
