// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

// One T made on first use, after the application; main ends it with end()
// while the application still exists.
template<typename T>
class Lazy
{
public:
    T &get()
    {
        if (!m_instance)
            m_instance = std::make_unique<T>();
        return *m_instance;
    }
    void end() { m_instance.reset(); }

private:
    std::unique_ptr<T> m_instance;
};
