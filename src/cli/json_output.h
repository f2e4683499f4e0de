// The JSON the subcommands print.
#pragma once

#include <nlohmann/json.hpp>

#include <string>

namespace quillon::cli {

/// `value` as the commands print JSON: indented by two, invalid UTF-8 replaced, a line break at
/// the end.
[[nodiscard]] inline std::string jsonDocument(const nlohmann::json& value)
{
    return value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace quillon::cli
