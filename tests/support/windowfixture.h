// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowdriver.h"

#include <QObject>

#include <memory>

// Test cases that each start on a fresh window, shown on screen.
class WindowFixture : public QObject
{
    Q_OBJECT

protected slots:
    void init()
    {
        m_driver = std::make_unique<WindowDriver>();
        QVERIFY(m_driver->showWindow());
    }
    void cleanup() { m_driver.reset(); }

protected:
    std::unique_ptr<WindowDriver> m_driver;
};
