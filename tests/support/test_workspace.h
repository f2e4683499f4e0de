// TestWorkspace and TempFolder: a workspace over a recording front end and a scratch folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "core/workspace.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"
#include "support/recording_ui.h"

namespace quillon::testing {

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    [[nodiscard]] const std::filesystem::path& path() const { return m_path; }
    /// The full path of `name` inside the folder.
    [[nodiscard]] std::string file(std::string_view name) const;
    /// Writes `bytes` to `name` and returns its full path.
    std::string write(std::string_view name, std::string_view bytes) const;
    std::string write(std::string_view name, const std::vector<std::byte>& bytes) const;
    /// The bytes of `name`.
    [[nodiscard]] std::string read(std::string_view name) const;
    /// The names of the entries directly in the folder, sorted.
    [[nodiscard]] std::vector<std::string> names() const;

private:
    std::filesystem::path m_path;
};

/// A clock the test moves by hand.
class ManualClock final : public Clock {
public:
    [[nodiscard]] std::int64_t hundredths() const override { return now; }
    std::int64_t now = 1000;
};

/// Everything an operation needs: recording front end, real file layer, settings in a scratch
/// folder, a manual clock, and the workspace over them.
struct TestWorkspace {
    TestWorkspace();

    TempFolder folder;
    RecordingUi ui;
    platform::FileSystem files;
    settings::SettingsStore settings;
    ManualClock clock;
    Workspace ws;
};

}  // namespace quillon::testing
