// ExceptQ: the exceptions list that maps module names to the files that hold them.
#pragma once

#include <string>
#include <vector>

namespace quillon {

/// One pair of the exceptions list: a module name whose file has another name (KERNEL is found
/// in KRNL386.EXE). Names are upper case; the file name has no folder.
struct ExceptEntry {
    std::string MODULENAME;        // <= 254
    std::string MODULENAMESUFFIX;  // the module name's extension, without the dot (<= 9)
    std::string FILENAME;          // <= 259
    std::string FILENAMESUFFIX;    // the file name's extension, without the dot

    friend bool operator==(const ExceptEntry&, const ExceptEntry&) = default;
};

/// The exceptions list in memory, in stored order (entry n is stored as "Modulename<n>" and
/// "Filename<n>" of section "Exceptlist").
struct ExceptQ {
    std::vector<ExceptEntry> entries;
    /// Set once the list has been read from the settings file in this run.
    bool loaded = false;

    friend bool operator==(const ExceptQ&, const ExceptQ&) = default;
};

}  // namespace quillon
