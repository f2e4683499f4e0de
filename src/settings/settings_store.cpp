// The INI-format settings file: one read and at most one whole-file write per batch.
#include "settings/settings_store.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <climits>

#include "base/ascii_text.h"
#include "platform/file_system.h"
#include "platform/native_path.h"
#include "platform/replace_file.h"

namespace quillon::settings {

namespace {

/// Whether `line` holds a key formed from `stem` (in any letter case) and a decimal index.
bool isNumberedKey(std::string_view line, std::string_view stem)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    const std::string_view key = trimBlanks(line.substr(0, eq));
    if (key.size() <= stem.size() || upperCase(key.substr(0, stem.size())) != upperCase(stem))
        return false;
    const std::string_view index = key.substr(stem.size());
    return std::all_of(index.begin(), index.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

/// The file's document: empty when there is no file yet, an error when it cannot be read.
Result<IniDocument> readDocument(platform::FileSystem& files, const std::string& path)
{
    if (!files.exists(path))
        return IniDocument();
    Result<std::vector<std::byte>> bytes = files.readWholeFile(path);
    if (!bytes)
        return bytes.error();
    std::string text(bytes->size(), '\0');
    std::transform(bytes->begin(), bytes->end(), text.begin(),
                   [](std::byte b) { return static_cast<char>(b); });
    return IniDocument::parse(std::move(text));
}

}  // namespace

int settingNumber(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            return negative ? INT_MIN : INT_MAX;
    }
    return static_cast<int>(negative ? -value : value);
}

// ---- Batch ----

SettingsStore::Batch::Batch(SettingsStore& store) : m_store(store)
{
    if (m_store.m_depth++ == 0)
        m_store.open();
}

SettingsStore::Batch::~Batch()
{
    if (--m_store.m_depth == 0)
        m_store.close();
}

// ---- SettingsStore ----

SettingsStore::SettingsStore(std::string path, Access access)
    : m_ownFiles(std::make_unique<platform::FileSystem>()),
      m_files(m_ownFiles.get()),
      m_path(std::move(path)),
      m_access(access)
{
}

SettingsStore::SettingsStore(platform::FileSystem& files, std::string path, Access access)
    : m_files(&files), m_path(std::move(path)), m_access(access)
{
}

SettingsStore::SettingsStore(SettingsStore&&) noexcept = default;
SettingsStore& SettingsStore::operator=(SettingsStore&&) noexcept = default;
SettingsStore::~SettingsStore() = default;

void SettingsStore::setPath(std::string path)
{
    assert(m_depth == 0);
    m_path = std::move(path);
}

void SettingsStore::open()
{
    m_changed = false;
    m_refused = false;
    m_readError = {};
    Result<IniDocument> read = readDocument(*m_files, m_path);
    if (read) {
        m_document = std::move(*read);
    } else {
        m_document.reset();
        m_readError = read.error();
    }
}

void SettingsStore::close()
{
    if (m_changed && m_document) {
        if (Status written = platform::replaceFile(*m_files, m_path, m_document->text()); !written)
            reportFailure(written.error());
    } else if (m_refused) {
        reportFailure(m_readError);
    }
    m_document.reset();
    m_changed = false;
    m_refused = false;
}

IniDocument* SettingsStore::writable()
{
    if (m_access == Access::ReadOnly)
        return nullptr;
    if (!m_document) {
        m_refused = true;
        return nullptr;
    }
    return m_document->readOnly() ? nullptr : &*m_document;
}

void SettingsStore::reportFailure(const Error& error)
{
    m_lastWriteError = error;
    if (m_failureReport)
        m_failureReport(error, m_path);
}

std::optional<std::string> SettingsStore::storedValue(std::string_view section,
                                                      std::string_view key)
{
    if (!storableSection(section) || !storableKey(key))
        return std::nullopt;
    Batch batch(*this);
    if (!m_document)
        return std::nullopt;
    std::optional<std::string> stored = m_document->value(section, key);
    if (stored && isBlank(*stored) && m_access == Access::ReadWrite && !m_document->readOnly())
        m_changed = m_document->remove(section, key) || m_changed;
    return stored;
}

std::string SettingsStore::readSetting(std::string_view section, std::string_view key,
                                       std::string_view defaultValue)
{
    std::optional<std::string> stored = storedValue(section, key);
    return stored ? std::move(*stored) : std::string(defaultValue);
}

int SettingsStore::readNumber(std::string_view section, std::string_view key, int defaultValue)
{
    const std::string text = readSetting(section, key, std::to_string(defaultValue));
    return settingNumber(text);
}

std::string SettingsStore::readPath(std::string_view section, std::string_view key,
                                    std::string_view defaultValue)
{
    const std::optional<std::string> stored = storedValue(section, key);
    return stored ? platform::pathFromSettings(*stored) : std::string(defaultValue);
}

void SettingsStore::writePath(std::string_view section, std::string_view key, std::string_view path)
{
    writeSetting(section, key, platform::pathForSettings(path));
}

void SettingsStore::writeSetting(std::string_view section, std::string_view key,
                                 std::string_view value)
{
    if (m_access == Access::ReadOnly || !storableSection(section) || !storableKey(key))
        return;
    value = value.substr(0, std::min(value.find_first_of("\r\n"), value.size()));
    while (!value.empty() && value.back() == ' ')
        value.remove_suffix(1);
    if (value.empty()) {
        deleteSetting(section, key);
        return;
    }
    Batch batch(*this);
    if (IniDocument* doc = writable())
        m_changed = doc->set(section, key, value) || m_changed;
}

void SettingsStore::writeNumber(std::string_view section, std::string_view key, int value)
{
    writeSetting(section, key, std::to_string(value));
}

void SettingsStore::deleteSetting(std::string_view section, std::string_view key)
{
    if (m_access == Access::ReadOnly || !storableSection(section) || !storableKey(key))
        return;
    Batch batch(*this);
    if (IniDocument* doc = writable())
        m_changed = doc->remove(section, key) || m_changed;
}

void SettingsStore::deleteNumberedKeys(std::string_view section, std::string_view stem)
{
    if (m_access == Access::ReadOnly || stem.empty() || !storableSection(section))
        return;
    Batch batch(*this);
    IniDocument* doc = writable();
    if (doc == nullptr)
        return;
    const auto numbered = [stem](std::string_view line) { return isNumberedKey(line, stem); };
    m_changed = doc->eraseSectionLines(section, false, numbered) || m_changed;
}

void SettingsStore::deleteSection(std::string_view section)
{
    if (m_access == Access::ReadOnly || !storableSection(section))
        return;
    Batch batch(*this);
    if (IniDocument* doc = writable())
        m_changed = doc->eraseSectionLines(section, true, [](std::string_view) { return true; }) ||
                    m_changed;
}

}  // namespace quillon::settings
