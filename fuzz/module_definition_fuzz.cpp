// libFuzzer target: the module-definition reader on any text, and the names it gives back
// through the writer of module-definition text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "exe/module_definition_reader.h"
#include "fuzz_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string text(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        text[i] = static_cast<char>(data[i]);
    const quillon::exe::ModuleDefinition definition = quillon::exe::readModuleDefinition(text);
    const std::string_view whole(text);
    const auto inside = [&](std::string_view part) {
        return part.empty() || (part.data() >= whole.data() &&
                                part.data() + part.size() <= whole.data() + whole.size());
    };
    quillon::fuzz::require(inside(definition.moduleName));
    quillon::fuzz::require(definition.ok() == (definition.error.empty()));
    quillon::fuzz::require(definition.ok() || definition.names.empty());
    quillon::fuzz::require(definition.residentCount <= definition.names.size());
    for (const quillon::exe::ExportedName& name : definition.names) {
        quillon::fuzz::require(!name.name.empty() && name.name.size() <= 254);
        quillon::fuzz::require(inside(name.name));
        quillon::fuzz::require(name.name.find('\0') == std::string_view::npos);
    }
    return 0;
}
