// Ctrl+C of the command-line program: one flag that every long operation of a run polls.
#pragma once

#include <csignal>

namespace quillon::cli {

/// Installs the program's SIGINT handler and gives the flag it sets. The flag stays set once
/// Ctrl+C was pressed, so that every later poll of the cancellation check sees it and the run
/// stops at the next step. A SIGINT that the parent process ignores (a background job of a
/// script) stays ignored; one it blocked is let through.
[[nodiscard]] volatile std::sig_atomic_t& installInterruptHandler();

}  // namespace quillon::cli
