// OptionOverride: one option changed for a scope and put back on every way out.
#pragma once

#include "core/options.h"

namespace quillon {

/// Sets the option `field` of `options` to `value` while the object lives and puts back the
/// value it had when the object goes or at `restore()`, whichever comes first: an early return
/// or an exception leaves the option as it was.
template <class T>
class OptionOverride {
public:
    OptionOverride(Options& options, T Options::*field, T value)
        : m_options(options), m_field(field), m_saved(options.*field)
    {
        options.*field = value;
    }
    ~OptionOverride() { restore(); }
    OptionOverride(const OptionOverride&) = delete;
    OptionOverride& operator=(const OptionOverride&) = delete;

    /// Puts the saved value back now; the object then does nothing more.
    void restore()
    {
        if (m_active)
            m_options.*m_field = m_saved;
        m_active = false;
    }

private:
    Options& m_options;
    T Options::*m_field;
    T m_saved;
    bool m_active = true;
};

}  // namespace quillon
