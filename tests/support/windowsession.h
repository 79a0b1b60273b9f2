// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "actionsource.h"
#include "sessionmodel.h"
#include "windowdriver.h"

#include <map>
#include <memory>

namespace randomsession {

// The layout the window shows, exactly as it reports it.
struct Snapshot
{
    QRect listGeometry;
    float line1X2 = 0;
    float line2X2 = 0;
    QList<float> columnWidths;
    QList<int> sectionSizes;
    bool operator==(const Snapshot &) const = default;
};

// An error that no routine handles ends the program behind a modal box, which
// would hold a session until Qt Test's watchdog: this ends the run at once,
// telling the error.
class RuntimeErrorWatch : public QObject
{
public:
    RuntimeErrorWatch() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Drives one window through actions and compares it with the model after each.
class Session
{
public:
    Session();

    // Shows the window; returns what is wrong before any action, if anything.
    QString start()
    {
        if (!m_driver->showWindow())
            return QStringLiteral("the window was never shown");
        settle();
        m_model = SessionModel(form().size());
        if (QString wrong = readDropDownOrders(); !wrong.isEmpty())
            return wrong;
        m_last = snapshot();
        return compare();
    }

    // Does the action if a user can do it now; returns how the window then
    // differs from the model, if it does.
    QString perform(const Action &action)
    {
        if (!apply(action)) {
            ++m_skipped[action.kind];
            return QString();
        }
        ++m_performed[action.kind];
        ++m_performedCount;
        if (++m_sinceSettled >= 40 || needsEvents(action))
            settle();
        return compare();
    }

    const SessionModel &model() const { return m_model; }
    const QStringList &dropDownOrder(int list) const { return m_order[list]; }
    QString tally() const;
    int performed() const { return m_performedCount; }

private:
    window::MainForm &form() { return m_driver->form(); }
    window::PickList *dropDown(int list) const
    {
        return std::array{m_driver->tracks(), m_driver->timeslots(), m_driver->sessions()}[list];
    }

    void settle()
    {
        m_sinceSettled = 0;
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
    static bool needsEvents(const Action &a)
    {
        return a.kind == Action::Resize || a.kind == Action::Minimise || a.kind == Action::Restore
               || a.kind == Action::PickFromPopup || a.kind == Action::CancelPopup;
    }

    // The drop-down lists may show their entries in any order, but exactly
    // the entries of their code lists; the user's wheel follows what is shown.
    QString readDropDownOrders()
    {
        for (int list = 0; list < 3; ++list) {
            m_order[list].clear();
            for (int i = 0; i < dropDown(list)->count(); ++i)
                m_order[list].append(dropDown(list)->itemText(i));
            const QStringList &entries = SessionModel::papers().codeLists[list];
            if (!std::is_permutation(m_order[list].begin(), m_order[list].end(), entries.begin(),
                                     entries.end()))
                return QStringLiteral("the %1 list holds other entries than its code list")
                    .arg(dropDownNames[list]);
        }
        return QString();
    }

    bool apply(const Action &a);
    bool applyToDropDown(const Action &a);
    bool applyToSearchBox(const Action &a);
    bool pressButton(const Action &a);
    bool applyToList(const Action &a);
    bool pressKeyInList(const Action &a);
    bool applyToWindow(const Action &a);
    bool usePopup(window::PickList *list, const Action &a);
    bool rowPoint(int position, int cell, QPoint *point);
    bool emptyPoint(QPoint *point);
    bool headerPoint(int column, QPoint *point);
    bool reachable(QWidget *widget, QPoint point);

    QString compare();
    void compareControls(QStringList &wrong);
    void compareShell(QStringList &wrong);
    void compareLayout(QStringList &wrong);
    QString compareLaidOut(const Snapshot &now);
    Snapshot snapshot();

    RuntimeErrorWatch m_errorWatch;
    std::unique_ptr<WindowDriver> m_driver;
    SessionModel m_model;
    std::array<QStringList, 3> m_order;
    Snapshot m_last;
    int m_layoutsSeen = 0;
    int m_sinceSettled = 0;
    std::map<Action::Kind, int> m_performed;
    std::map<Action::Kind, int> m_skipped;
    int m_performedCount = 0;
    qint64 m_shownRows = 0;
    int m_notices = 0; // message boxes the window showed, each answered with OK
};

} // namespace randomsession
