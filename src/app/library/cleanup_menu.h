// The menu of the "Options for cleanup" button: its own wording of six library commands.
#pragma once

#include <functional>

class QMenu;
class QWidget;

namespace quillon::app {

struct LibraryActions;

/// The "Options for cleanup" menu. Each item runs the library command it names and is enabled
/// with it; the first item reads "Up&date marked modules" while `anyMarked` says rows are
/// marked, else "Up&date selected module".
[[nodiscard]] QMenu* createCleanupMenu(QWidget* parent, const LibraryActions& actions,
                                       std::function<bool()> anyMarked);

}  // namespace quillon::app
