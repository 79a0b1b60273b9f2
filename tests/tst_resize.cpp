// SPDX-License-Identifier: GPL-3.0-or-later
// The list, the dividing lines and the columns following the window's size.
#include "support/windowfixture.h"

namespace {

// The list's size, the lines' right ends and the columns' widths.
QList<double> layoutOf(WindowDriver &driver)
{
    QList<double> layout{double(driver.list()->width()), double(driver.list()->height()),
                         driver.form().line1().X2, driver.form().line2().X2};
    for (int i = 0; i < 6; ++i)
        layout.append(driver.list()->header()->sectionSize(i));
    return layout;
}

// False if the window does not take the size.
bool resizeTo(WindowDriver &driver, QSize pixels)
{
    driver.form().resize(pixels);
    return QTest::qWaitFor([&] { return driver.form().size() == pixels; });
}

bool near(double actual, double expected, double tolerance = 0.02)
{
    return qAbs(actual - expected) <= tolerance;
}

} // namespace

class TestResize : public WindowFixture
{
    Q_OBJECT

private slots:
    void init();
    void designSizeLaysOutInUnits();
    void smallestSizesAboveThresholds();
    void minimisedChangesNothingAndRestoreLaysOut();
};

void TestResize::init()
{
    WindowFixture::init();
    QVERIFY(resizeTo(*m_driver, facts::designClientSize));
}

void TestResize::designSizeLaysOutInUnits()
{
    resultlist::ReportList *list = m_driver->list();
    QVERIFY(near(list->widthInUnits(), 752.71, 0.01));
    QVERIFY(near(list->heightInUnits(), 351.79, 0.5));
    QCOMPARE(list->size(), QSize(764, 361));
    QCOMPARE(m_driver->form().line1().X2, float(800.0 - 23.645));
    QCOMPARE(m_driver->form().line2().X2, m_driver->form().line1().X2);
    const double expected[] = {52.69, 97.85, 248.39, 97.85, 127.96, 97.85};
    for (int i = 1; i <= 6; ++i) {
        // Each width is the reported list width times its share, then whole pixels.
        QVERIFY2(near(list->columnWidth(i), expected[i - 1], 0.6), qPrintable(QString::number(i)));
        QCOMPARE(list->header()->sectionSize(i - 1),
                 qRound(expected[i - 1] * facts::pixelsPerUnitX));
    }
}

// Sizes below either threshold, which must change nothing, are the random
// session's: the sizes it tries lie on both sides of each.
void TestResize::smallestSizesAboveThresholds()
{
    // 102 x 264 pixels are the first sizes above 100 x 257 units.
    QVERIFY(resizeTo(*m_driver, QSize(102, 264)));
    QVERIFY(m_driver->form().ScaleWidth() > 100 && m_driver->form().ScaleWidth() < 100.5);
    QCOMPARE(m_driver->list()->width(), 54);
    QVERIFY(near(m_driver->list()->widthInUnits(), 53.21, 0.02));
    QCOMPARE(m_driver->list()->height(), 1);
    QVERIFY(resizeTo(*m_driver, QSize(102, 308))); // H about 300
    QCOMPARE(m_driver->list()->height(), qRound(44.0 * facts::pixelsPerUnitY));
    QVERIFY(near(m_driver->list()->heightInUnits(), 44.0, 0.5)); // whole pixels
}

void TestResize::minimisedChangesNothingAndRestoreLaysOut()
{
    const QList<double> before = layoutOf(*m_driver);
    m_driver->form().showMinimized();
    QTRY_VERIFY(m_driver->form().isMinimized());
    QCOMPARE(m_driver->form().ScaleWidth(), 0.0f);
    m_driver->form().resize(1000, 700);
    QCOMPARE(layoutOf(*m_driver), before);
    m_driver->form().showNormal();
    QTRY_VERIFY(!m_driver->form().isMinimized());
    QTRY_COMPARE(m_driver->list()->width(), 1000 - 48);
    QCOMPARE(m_driver->form().line1().X2, float(double(m_driver->form().ScaleWidth()) - 23.645));
}

QTEST_MAIN(TestResize)
#include "tst_resize.moc"
