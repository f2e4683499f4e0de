// StateSlots: state that a subsystem above the model keeps in the workspace for the run, held
// without the model knowing its type.
#pragma once

#include <memory>
#include <typeindex>
#include <unordered_map>

namespace quillon {

/// One object of each type asked for, made on first use and kept until the slots go. A
/// subsystem reaches its own state through a small accessor of its own (for example
/// `locate::state(ws)`), so the model never includes the subsystems built on it.
class StateSlots {
public:
    template <class T>
    [[nodiscard]] T& get()
    {
        return make<T>();
    }
    /// A reader's view; made on first use as well, so that it always reads a whole object.
    template <class T>
    [[nodiscard]] const T& get() const
    {
        return make<T>();
    }

private:
    template <class T>
    T& make() const
    {
        std::unique_ptr<void, void (*)(void*)>& slot =
            m_slots.try_emplace(std::type_index(typeid(T)), nullptr, &destroy<T>).first->second;
        if (!slot)
            slot.reset(new T());
        return *static_cast<T*>(slot.get());
    }

    template <class T>
    static void destroy(void* p)
    {
        delete static_cast<T*>(p);
    }

    mutable std::unordered_map<std::type_index, std::unique_ptr<void, void (*)(void*)>> m_slots;
};

}  // namespace quillon
