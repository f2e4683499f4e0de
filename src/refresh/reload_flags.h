// ReloadFlags: the load settings a reload changes for its duration, put back on every way out.
#pragma once

#include "core/workspace.h"

namespace quillon::refresh {

/// Remembers `UseExpandAll`, `UseNoMessages` and `QuietLoad` and restores them when it goes.
class ReloadFlags {
public:
    explicit ReloadFlags(Workspace& ws)
        : m_ws(ws),
          m_expandAll(ws.options.UseExpandAll),
          m_noMessages(ws.options.UseNoMessages),
          m_quietLoad(ws.QuietLoad)
    {
    }
    ~ReloadFlags()
    {
        m_ws.options.UseExpandAll = m_expandAll;
        m_ws.options.UseNoMessages = m_noMessages;
        m_ws.QuietLoad = m_quietLoad;
    }
    ReloadFlags(const ReloadFlags&) = delete;
    ReloadFlags& operator=(const ReloadFlags&) = delete;

private:
    Workspace& m_ws;
    bool m_expandAll;
    bool m_noMessages;
    bool m_quietLoad;
};

}  // namespace quillon::refresh
