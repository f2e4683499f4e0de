// ModuleFiles: the file names a module row carries, kept out of symbol rows.
#pragma once

#include <memory>
#include <string>
#include <string_view>

namespace quillon {

/// `FILENAME` and `FILENAMEDLL` of a module row: nothing at all while both are empty (every
/// symbol row), else one block of their own, copied with the row.
class ModuleFiles {
public:
    ModuleFiles() = default;
    ModuleFiles(const ModuleFiles& other);
    ModuleFiles(ModuleFiles&&) noexcept = default;
    ModuleFiles& operator=(const ModuleFiles& other);
    ModuleFiles& operator=(ModuleFiles&&) noexcept = default;
    ~ModuleFiles() = default;

    [[nodiscard]] const std::string& fileName() const;
    [[nodiscard]] const std::string& fileNameDll() const;
    void setFileName(std::string_view fileName);
    void setFileNameDll(std::string_view fileNameDll);

    friend bool operator==(const ModuleFiles& a, const ModuleFiles& b)
    {
        return a.fileName() == b.fileName() && a.fileNameDll() == b.fileNameDll();
    }

private:
    struct Names {
        std::string FILENAME;
        std::string FILENAMEDLL;
    };
    /// The block to write into, made on first use.
    Names& names();
    /// Frees the block once both names are empty.
    void dropWhenEmpty();

    std::unique_ptr<Names> m_names;
};

}  // namespace quillon
