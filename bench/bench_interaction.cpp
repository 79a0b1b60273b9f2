// SPDX-License-Identifier: GPL-3.0-or-later
// Interaction latency at the 178 built-in rows: from the user's event to the
// end of the list's repaint, against repainting the same list without a rebuild.
#include "support/lazy.h"
#include "support/paintwatch.h"
#include "support/paired.h"

#include "tests/support/windowdriver.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

namespace {

// The shown main window, driven as a user drives it.
class Session
{
public:
    Session()
        : m_watch(m_driver.list()->viewport())
    {
        m_driver.form().show();
        m_watch.waitForPaint();
        drainEvents();
    }

    WindowDriver &driver() { return m_driver; }
    int rowCount() const { return m_driver.list()->itemCount(); }

    // Seconds from the event to the end of the list's repaint; -1 when the
    // list was not repainted.
    double timed(const std::function<void()> &event)
    {
        const double seconds = m_watch.secondsUntilPainted(event);
        drainEvents();
        if (seconds < 0)
            std::fprintf(stderr, "the list was not repainted\n");
        return seconds;
    }

    void untimed(const std::function<void()> &event) { timed(event); }

    double bareRepaint()
    {
        return timed([this] { m_driver.list()->viewport()->update(); });
    }

private:
    WindowDriver m_driver;
    PaintWatch m_watch;
};

Lazy<Session> theSession;

Session &session()
{
    return theSession.get();
}

// The measurement, or -1 when the list does not end as expected.
double checked(double seconds, bool expected, const char *what)
{
    if (seconds >= 0 && !expected) {
        std::fprintf(stderr, "%s: the list does not show what it should\n", what);
        return -1;
    }
    return seconds;
}

// "b" narrows the list to 113 rows, still more than the list has room for.
double typeCharacter()
{
    Session &s = session();
    const double seconds = s.timed([&] { s.driver().type(QStringLiteral("b")); });
    const int rows = s.rowCount();
    s.untimed([&] { QTest::keyClick(s.driver().searchBox(), Qt::Key_Backspace); });
    return checked(seconds,
                   rows > 0 && rows < catalogue::builtinPaperCount
                       && s.rowCount() == catalogue::builtinPaperCount,
                   "typed character");
}

// Narrows the list by the pick list's second entry (untimed), then measures
// the pick back to the first, "All ...", which rebuilds every row.
double pickAll(window::PickList *(WindowDriver::*pickList)() const)
{
    Session &s = session();
    window::PickList *list = (s.driver().*pickList)();
    s.untimed([&] { QTest::keyClick(list, Qt::Key_Down); });
    const int narrowed = s.rowCount();
    const double seconds = s.timed([&] { QTest::keyClick(list, Qt::Key_Up); });
    return checked(seconds,
                   narrowed < s.rowCount() && s.rowCount() == catalogue::builtinPaperCount
                       && list->currentIndex() == 0,
                   "pick");
}

double resetSortCriteria()
{
    Session &s = session();
    const double seconds = s.timed([&] { s.driver().clickButton("Command2"); });
    return checked(seconds, s.rowCount() == catalogue::builtinPaperCount, "Reset Sort Criteria");
}

double clickAuthorHeader()
{
    Session &s = session();
    const int before = s.driver().list()->sortOrder();
    const double seconds = s.timed([&] { s.driver().clickHeader(2); });
    return checked(seconds, s.driver().list()->sortOrder() != before, "header click");
}

double bareRepaint()
{
    return session().bareRepaint();
}

void registerInteraction(const char *name, double (*interaction)())
{
    registerPaired(std::string("Interaction/") + name, 101, [interaction](benchmark::State &state) {
        measurePaired(state, interaction, bareRepaint, "ms", 1.25);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    registerInteraction("typed_character", typeCharacter);
    registerInteraction("pick_all_tracks", [] { return pickAll(&WindowDriver::tracks); });
    registerInteraction("pick_all_sessions", [] { return pickAll(&WindowDriver::sessions); });
    registerInteraction("pick_all_timeslots", [] { return pickAll(&WindowDriver::timeslots); });
    registerInteraction("reset_sort_criteria", resetSortCriteria);
    registerInteraction("header_click", clickAuthorHeader);
    const int status = runBenchmarks(argc, argv, "Interaction latency at 178 rows");
    theSession.end();
    return status;
}
