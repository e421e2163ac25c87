#pragma once

#include <utility>
#include <variant>

// A value or a typed error: how operations that can fail report it, without exceptions.
template<typename E> struct Unexpected
{
    E error;
};

template<typename E> Unexpected<std::decay_t<E>> unexpected(E&& error)
{
    return { std::forward<E>(error) };
}

template<typename T, typename E> class [[nodiscard]] Expected
{
public:
    Expected(T value)
        : m_state(std::in_place_index<0>, std::move(value))
    { }
    template<typename G>
    Expected(Unexpected<G> failure)
        : m_state(std::in_place_index<1>, std::move(failure.error))
    { }

    bool hasValue() const { return m_state.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T& value() & { return std::get<0>(m_state); }
    const T& value() const& { return std::get<0>(m_state); }
    T&& value() && { return std::get<0>(std::move(m_state)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const E& error() const { return std::get<1>(m_state); }

private:
    std::variant<T, E> m_state;
};

template<typename E> class [[nodiscard]] Expected<void, E>
{
public:
    Expected() = default;
    template<typename G>
    Expected(Unexpected<G> failure)
        : m_failed(true)
        , m_error(std::move(failure.error))
    { }

    bool hasValue() const { return !m_failed; }
    explicit operator bool() const { return hasValue(); }
    const E& error() const { return m_error; }

private:
    bool m_failed = false;
    E m_error {};
};
