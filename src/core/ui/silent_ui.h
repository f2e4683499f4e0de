// SilentUi: a front end that shows nothing, for benchmarks, fuzz targets and other headless code.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/ui/ui_interface.h"

namespace quillon::ui {

/// Shows nothing, answers every question with its default button, never cancels.
class SilentUi final : public UiInterface {
public:
    int message(const MessageBox& box) override { return box.defaultButton; }
    void status(int, std::string_view) override {}
    [[nodiscard]] std::string statusText(int) const override { return {}; }
    void progressStart(std::string_view, std::uint64_t) override {}
    void progress(std::uint64_t, std::uint64_t, std::string_view) override {}
    void progressEnd() override {}
    [[nodiscard]] PendingKey takePendingKeys() override { return PendingKey::None; }
};

}  // namespace quillon::ui
