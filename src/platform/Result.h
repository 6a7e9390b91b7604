#pragma once

// A value or the text of what went wrong. Errors here are meant for the user: they name the
// file or the setting concerned and the reason.

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace cw {

struct Error {
    QString message;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value)
        : m_state(std::move(value)) {}
    Result(Error error)
        : m_state(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(m_state); }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<T>(m_state); }
    T&& value() && { return std::get<T>(std::move(m_state)); }
    const T& operator*() const& { return value(); }
    const T* operator->() const { return &value(); }

    const QString& error() const { return std::get<Error>(m_state).message; }

private:
    std::variant<T, Error> m_state;
};

template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error)
        : m_error(std::move(error.message)) {}

    bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return *m_error; }

private:
    std::optional<QString> m_error;
};

} // namespace cw
