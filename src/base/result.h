// Result and Error: how every core operation reports success or a posted error code.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace quillon {

/// A posted error: the runtime's error code (0 = none) and its text.
struct Error {
    int code = 0;
    std::string text;

    friend bool operator==(const Error&, const Error&) = default;
};

/// A value or the error that kept it from being made.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Error error) : m_error(std::move(error)) {}

    [[nodiscard]] bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    [[nodiscard]] const T& value() const& { return *m_value; }
    [[nodiscard]] T& value() & { return *m_value; }
    [[nodiscard]] T&& value() && { return std::move(*m_value); }
    [[nodiscard]] const T& operator*() const& { return *m_value; }
    [[nodiscard]] T& operator*() & { return *m_value; }
    [[nodiscard]] const T* operator->() const { return &*m_value; }
    [[nodiscard]] T* operator->() { return &*m_value; }

    [[nodiscard]] const Error& error() const { return m_error; }

private:
    std::optional<T> m_value;
    Error m_error;
};

/// Success, or the error that stopped the operation.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error)), m_failed(true) {}

    [[nodiscard]] bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    [[nodiscard]] const Error& error() const { return m_error; }

private:
    Error m_error;
    bool m_failed = false;
};

using Status = Result<void>;

}  // namespace quillon
