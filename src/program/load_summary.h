// The summary a multi-file load shows: status panes and, where needed, one message box.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui/ui_interface.h"
#include "exe/module_definition_messages.h"

namespace quillon {

/// A text accumulator of the loader: "|    " + path per file, at most 2000 characters.
class FileListText {
public:
    static constexpr std::size_t kCapacity = 2000;
    void add(std::string_view path);
    [[nodiscard]] const std::string& text() const { return m_text; }
    [[nodiscard]] bool empty() const { return m_text.empty(); }

private:
    std::string m_text;
};

/// What one `LoadFileList` call counted.
struct LoadCounts {
    std::uint32_t processed = 0;
    std::uint32_t notFound = 0;
    std::uint32_t withoutNames = 0;
    std::uint32_t aborted = 0;
    std::uint32_t loaded = 0;
    FileListText notFoundFiles;
    FileListText loadedFiles;
    FileListText withoutNamesFiles;
    FileListText abortedFiles;
    std::uint32_t modulesAdded = 0;
    std::uint32_t symbolsAdded = 0;
    bool hadModules = false;   // the library held modules before the load
    bool hadSymbols = false;   // the library held symbols before the load
    bool cancelled = false;
    bool lastRejected = false;  // the last file was rejected outside a quiet load
    std::string lastPath;       // the last file worked on
    std::string notFoundPath;   // the last file that was not found
    /// Module-definition files whose entries a LIB file cannot bind were left out of.
    std::vector<exe::SkippedEntries> skippedEntries;
};

/// The texts of the summary; panes 2 and 3 are written only when set.
struct LoadSummary {
    std::string pane1;
    std::optional<std::string> pane2;
    std::optional<std::string> pane3;
    std::optional<ui::MessageBox> message;
};

/// Builds the summary of a load from its counts.
[[nodiscard]] LoadSummary loadSummary(const LoadCounts& counts);

}  // namespace quillon
