// NullUi and BenchWorkspace: a silent front end and a workspace for the benchmarks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/clock.h"
#include "core/ui/ui_interface.h"
#include "core/workspace.h"
#include "platform/file_system.h"
#include "settings/settings_store.h"

namespace quillon::bench {

/// Shows nothing, answers every question with its default button, never cancels.
class NullUi final : public ui::UiInterface {
public:
    int message(const ui::MessageBox& box) override { return box.defaultButton; }
    void status(int, std::string_view) override {}
    [[nodiscard]] std::string statusText(int) const override { return {}; }
    void progressStart(std::string_view, std::uint64_t) override {}
    void progress(std::uint64_t, std::uint64_t, std::string_view) override {}
    void progressEnd() override {}
    [[nodiscard]] ui::PendingKey takePendingKeys() override { return ui::PendingKey::None; }
};

/// A workspace over the silent front end, the real file layer and no settings file.
struct BenchWorkspace {
    NullUi ui;
    platform::FileSystem files;
    settings::SettingsStore settings{"/nonexistent/Quillon32.ini"};
    SteadyClock clock;
    Workspace ws{ui, files, settings, clock};
};

}  // namespace quillon::bench
