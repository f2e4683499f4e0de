// The session of one subcommand's run.
#pragma once

#include <memory>
#include <string>

#include "core/ui/ui_interface.h"
#include "program/session.h"

namespace quillon::cli {

/// Sets up a subcommand's run as start-up does (settings located and read, options and the
/// exclusion list loaded), with `settingsDir` (from `--settings`, when not empty) as the folder of
/// the settings file. The workspace runs silently: no window asks anything.
[[nodiscard]] std::unique_ptr<Session> openCommandSession(ui::UiInterface& ui,
                                                          const std::string& settingsDir);

}  // namespace quillon::cli
