// RunMode: how a run behaves, handed to the operations whose behaviour it changes.
#pragma once

namespace quillon {

struct RunMode {
    /// `SilentMode`: "/s" on the command line, or a command without a window: no caption, no
    /// recent files, no window to redraw, no dialog.
    bool SilentMode = false;
    /// `QuietLoad`: one of many files is being read (a multi-file load, a compare or locate run
    /// over many modules): rejections are kept to the summary, and the library data are
    /// refreshed once at the end instead of after each file.
    bool QuietLoad = false;

    /// The same run, reading one of many files.
    [[nodiscard]] RunMode quietLoad(bool quiet = true) const { return {SilentMode, quiet}; }
};

}  // namespace quillon
