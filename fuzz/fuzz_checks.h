// Checks shared by the fuzz targets: what every read result must satisfy, whatever the input.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "exe/executable_image.h"

namespace quillon::fuzz {

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

/// Names are at most 254 bytes without NUL; the names read from all tables of a file are
/// bounded by what the file can hold.
inline void checkExports(const exe::ExecutableExports& exports, std::size_t size)
{
    std::size_t total = 0;
    for (const exe::ExportTable& table : exports.tables) {
        require(table.moduleName.size() <= 254);
        require(table.residentCount <= table.names.size());
        for (const exe::ExportedName& name : table.names) {
            require(name.name.size() <= 254);
            require(name.name.find('\0') == std::string_view::npos);
        }
        total += table.names.size();
    }
    require(total <= size);
    if (exports.kind != exe::ExecutableKind::Pe && exports.kind != exe::ExecutableKind::Ne)
        require(exports.tables.empty());
}

/// Two reads of the same bytes give the same result.
inline void checkSame(const exe::ExecutableExports& a, const exe::ExecutableExports& b)
{
    require(a.kind == b.kind);
    require(a.error == b.error);
    require(a.tables.size() == b.tables.size());
    for (std::size_t t = 0; t < a.tables.size(); ++t) {
        require(a.tables[t].moduleName == b.tables[t].moduleName);
        require(a.tables[t].names == b.tables[t].names);
        require(a.tables[t].error == b.tables[t].error);
        require(a.tables[t].residentCount == b.tables[t].residentCount);
    }
}

}  // namespace quillon::fuzz
