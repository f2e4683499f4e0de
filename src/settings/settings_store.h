// SettingsStore: reads and writes keys of the INI-format settings file, nothing cached.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace quillon::settings {

/// The settings file `Quillon32.ini`, addressed by its full path. Every read and write goes to
/// the file: sections and keys compare without regard to letter case, an absent key gives the
/// caller's default, a blank value is never stored, and lines the store does not touch
/// (comments, other keys, malformed lines) survive byte for byte. A file that cannot be read is
/// never written. A UTF-16 file (as some editors save INI files) is read as Windows-1252 text
/// but never written, since writing it back would change every line.
class SettingsStore {
public:
    /// ReadOnly serves profile files that belong to others (WIN.INI, SYSTEM.INI): reads never
    /// delete blank keys and writes do nothing.
    enum class Access { ReadWrite, ReadOnly };

    explicit SettingsStore(std::string path, Access access = Access::ReadWrite)
        : m_path(std::move(path)), m_access(access)
    {
    }

    [[nodiscard]] const std::string& path() const { return m_path; }
    void setPath(std::string path) { m_path = std::move(path); }
    [[nodiscard]] Access access() const { return m_access; }

    /// ReadSetting: the key's value (cut to 1024 characters), or `defaultValue` when absent.
    /// When the text obtained is blank the key is deleted from the file.
    [[nodiscard]] std::string readSetting(std::string_view section, std::string_view key,
                                          std::string_view defaultValue = {});
    /// A numeric key: a value that is not a number reads as 0.
    [[nodiscard]] int readNumber(std::string_view section, std::string_view key, int defaultValue);

    /// WriteSetting: trailing blanks removed; a blank value deletes the key. A value is cut at
    /// its first line break (a line break would turn the rest into lines of their own). A write
    /// that fails, or names a section or key that cannot be stored (empty, holding a line break,
    /// a key holding "=" or starting with "[" or ";", a section holding "]"), is not reported
    /// and leaves the file as it was.
    void writeSetting(std::string_view section, std::string_view key, std::string_view value);
    void writeNumber(std::string_view section, std::string_view key, int value);
    /// Removes the key's line.
    void deleteSetting(std::string_view section, std::string_view key);
    /// Removes every key of `section` formed from `stem` and a decimal index (`Filelist1`,
    /// `Filelist20`, but not `Filelist` itself), whatever the index; one rewrite of the file.
    void deleteNumberedKeys(std::string_view section, std::string_view stem);
    /// Removes the section: its header line and every line up to the next section.
    void deleteSection(std::string_view section);

private:
    /// Erases, within `section`, the lines `erase` picks (and the header line when
    /// `withHeader`), rewriting the file once.
    void eraseSectionLines(std::string_view section, bool withHeader,
                           const std::function<bool(std::string_view)>& erase);

    std::string m_path;
    Access m_access = Access::ReadWrite;
};

/// The number a settings text holds: leading blanks and a sign allowed, digits up to the first
/// other character; no digits reads as 0.
[[nodiscard]] int settingNumber(std::string_view text);

}  // namespace quillon::settings
