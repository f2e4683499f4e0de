// SettingsStore: reads and writes keys of the INI-format settings file, one read and at most
// one write per operation.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "settings/ini_document.h"

namespace quillon::platform {
class FileSystem;
}

namespace quillon::settings {

/// The settings file `Quillon32.ini`, addressed by its full path: sections and keys compare
/// without regard to letter case, an absent key gives the caller's default, a blank value is
/// never stored, and lines the store does not touch (comments, other keys, malformed lines)
/// survive byte for byte. A file that cannot be read is never written. A UTF-16 file (as some
/// editors save INI files) is read as Windows-1252 text but never written, since writing it
/// back would change every line.
///
/// A call outside a `Batch` reads the file and writes it when it changed. Inside a batch the
/// file is read once when the outermost batch opens, every call works on that copy, and the
/// file is written once when the outermost batch closes, if anything changed. Each write
/// replaces the whole file at once, so that another program writing the settings at the same
/// moment leaves either its file or this one, never a mix.
class SettingsStore {
public:
    /// ReadOnly serves profile files that belong to others (WIN.INI, SYSTEM.INI): reads never
    /// delete blank keys and writes do nothing.
    enum class Access { ReadWrite, ReadOnly };

    /// Told of a write that failed: the posted error and the settings file's path.
    using FailureReport = std::function<void(const Error& error, const std::string& path)>;

    /// One operation's reads and writes: the file is read when the outermost batch opens and
    /// written, when changed, as it closes. A batch opened inside another joins it.
    class Batch {
    public:
        explicit Batch(SettingsStore& store);
        ~Batch();
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;

    private:
        SettingsStore& m_store;
    };

    /// A store whose reads and writes go through a file layer of its own.
    explicit SettingsStore(std::string path, Access access = Access::ReadWrite);
    /// A store whose reads and writes go through `files` (which must outlive it), so that its
    /// fault hook reaches them.
    SettingsStore(platform::FileSystem& files, std::string path, Access access = Access::ReadWrite);
    SettingsStore(SettingsStore&&) noexcept;
    SettingsStore& operator=(SettingsStore&&) noexcept;
    ~SettingsStore();

    [[nodiscard]] const std::string& path() const { return m_path; }
    /// Names another file; not while a batch is open.
    void setPath(std::string path);
    [[nodiscard]] Access access() const { return m_access; }

    /// Sets (or clears, with an empty report) who is told of a failed write.
    void setFailureReport(FailureReport report) { m_failureReport = std::move(report); }
    /// The error of the last write that failed (code 0 when none has).
    [[nodiscard]] const Error& lastWriteError() const { return m_lastWriteError; }

    /// ReadSetting: the key's value (cut to 1024 characters), or `defaultValue` when absent.
    /// When the text obtained is blank the key is deleted from the file.
    [[nodiscard]] std::string readSetting(std::string_view section, std::string_view key,
                                          std::string_view defaultValue = {});
    /// A numeric key: a value that is not a number reads as 0.
    [[nodiscard]] int readNumber(std::string_view section, std::string_view key, int defaultValue);

    /// WriteSetting: trailing blanks removed; a blank value deletes the key. A value is cut at
    /// its first line break (a line break would turn the rest into lines of their own). A name
    /// that cannot be stored (empty, holding a line break, a key holding "=" or starting with
    /// "[" or ";", a section holding "]") leaves the file as it was. A write that fails leaves
    /// the old file whole and is told to the failure report.
    void writeSetting(std::string_view section, std::string_view key, std::string_view value);
    void writeNumber(std::string_view section, std::string_view key, int value);

    /// A key that holds a file or folder name: read as `readSetting`, a stored value put in the
    /// program's form (UTF-8; on Windows with "\" separators, and converted from the ANSI code
    /// page where an earlier version wrote it so); `defaultValue` comes back as given.
    [[nodiscard]] std::string readPath(std::string_view section, std::string_view key,
                                       std::string_view defaultValue = {});
    /// Writes a file or folder name in the form the settings file keeps it (on Windows the ANSI
    /// code page where that holds it, so that earlier versions read it too, else UTF-8).
    void writePath(std::string_view section, std::string_view key, std::string_view path);
    /// Removes the key's line.
    void deleteSetting(std::string_view section, std::string_view key);
    /// Removes every key of `section` formed from `stem` and a decimal index (`Filelist1`,
    /// `Filelist20`, but not `Filelist` itself), whatever the index.
    void deleteNumberedKeys(std::string_view section, std::string_view stem);
    /// Removes the section: its header line and every line up to the next section.
    void deleteSection(std::string_view section);

private:
    /// The key's value as `readSetting` takes it (a blank one deleted), or nullopt when absent.
    [[nodiscard]] std::optional<std::string> storedValue(std::string_view section,
                                                         std::string_view key);
    void open();
    void close();
    /// The document to change, or null when the file is not to be written (read-only access,
    /// UTF-16 text, or a file that could not be read, which the batch then reports).
    [[nodiscard]] IniDocument* writable();
    void reportFailure(const Error& error);

    std::unique_ptr<platform::FileSystem> m_ownFiles;
    platform::FileSystem* m_files = nullptr;
    std::string m_path;
    Access m_access = Access::ReadWrite;
    FailureReport m_failureReport;
    Error m_lastWriteError;

    // The open batch: its depth, the document read (none when the file could not be read,
    // with the read's error), whether a call changed it or was refused for want of it.
    int m_depth = 0;
    std::optional<IniDocument> m_document;
    Error m_readError;
    bool m_changed = false;
    bool m_refused = false;
};

/// The number a settings text holds: leading blanks and a sign allowed, digits up to the first
/// other character; no digits reads as 0.
[[nodiscard]] int settingNumber(std::string_view text);

}  // namespace quillon::settings
