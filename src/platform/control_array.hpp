// Indexed groups of like controls, written fire(3) as the game names them.
#pragma once

#include "platform/control.hpp"

#include <memory>
#include <vector>

namespace platform {

template<typename T>
class ControlArray {
public:
    // Makes `count` controls named `name` with indices 0..count-1. `first_of(i)` gives the first
    // constructor argument of element i (its rectangle, line points, or a timer's interval) and
    // `args` are passed on to every element's constructor after it.
    template<typename FirstOf, typename... Args>
    ControlArray(Form& form, std::string const& name, int count, FirstOf first_of, Args const&... args)
    {
        m_items.reserve(count);
        for (int i = 0; i < count; ++i) {
            m_items.push_back(std::make_unique<T>(form, name, first_of(i), args...));
            m_items.back()->m_index = i;
        }
    }

    T& operator()(int index) { return *m_items.at(index); }
    T const& operator()(int index) const { return *m_items.at(index); }
    int size() const { return static_cast<int>(m_items.size()); }

    auto begin() { return m_items.begin(); }
    auto end() { return m_items.end(); }

private:
    std::vector<std::unique_ptr<T>> m_items;
};

}
