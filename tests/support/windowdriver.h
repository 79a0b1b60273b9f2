// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cataloguenames.h"
#include "designfacts.h"
#include "recordingshell.h"

#include "catalogue/builtincontent.h"
#include "resultlist/reportlist.h"
#include "window/accessibleinterfaces.h"
#include "window/mainform.h"
#include "window/picklist.h"
#include "window/searchbox.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <functional>
#include <memory>

// A way to close an open drop-down list; a key of Qt::Key_unknown is a click,
// on the highlighted entry where it picks and beside the list where it does not.
struct ListClosing
{
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool picks; // the highlighted entry, raising one click
};

inline const ListClosing listClosings[] = {
    {"F4", Qt::Key_F4, Qt::NoModifier, true},
    {"Alt+Up", Qt::Key_Up, Qt::AltModifier, true},
    {"Alt+Down", Qt::Key_Down, Qt::AltModifier, true},
    {"Enter", Qt::Key_Return, Qt::NoModifier, true},
    {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, true},
    {"a click on the entry", Qt::Key_unknown, Qt::NoModifier, true},
    {"Escape", Qt::Key_Escape, Qt::NoModifier, false},
    {"a click outside", Qt::Key_unknown, Qt::NoModifier, false},
};

// Drives the real window as a user does, and reads back what it shows.
class WindowDriver
{
public:
    WindowDriver()
        : WindowDriver(shell)
    {
    }
    // A window on another shell than the recording one.
    explicit WindowDriver(documents::Shell &windowShell)
        : m_form(makeForm(windowShell))
    {
    }

    window::MainForm &form() { return *m_form; }
    // Shows the window and waits until it is on screen; false if it never is.
    bool showWindow()
    {
        m_form->show();
        return QTest::qWaitForWindowExposed(m_form.get());
    }
    const catalogue::Catalogue &state() const { return m_form->state(); }

    template<typename T = QWidget>
    T *control(const char *name) const
    {
        auto *found = m_form->findChild<T *>(QString::fromLatin1(name));
        if (!found) // no later step could run without it
            qFatal("the window has no control %s", name);
        return found;
    }

    resultlist::ReportList *list() const { return control<resultlist::ReportList>("ListView1"); }
    window::SearchBox *searchBox() const { return control<window::SearchBox>("Text1"); }
    window::PickList *tracks() const { return control<window::PickList>("Combo1"); }
    window::PickList *timeslots() const { return control<window::PickList>("Combo2"); }
    window::PickList *sessions() const { return control<window::PickList>("Combo3"); }

    // Picks an entry with the arrow keys, as a keyboard user does.
    static bool pick(window::PickList *pickList, const QString &text)
    {
        const int target = pickList->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (target < 0)
            return false;
        while (pickList->currentIndex() != target) {
            const int before = pickList->currentIndex();
            QTest::keyClick(pickList, before < target ? Qt::Key_Down : Qt::Key_Up);
            if (pickList->currentIndex() == before)
                return false;
        }
        return true;
    }

    // Opens the list and walks its entries with the arrow keys until `row` is
    // highlighted; false if the walk never gets there.
    static bool openAt(window::PickList *pickList, int row)
    {
        pickList->showPopup();
        QCoreApplication::processEvents();
        QAbstractItemView *view = pickList->view();
        for (int moves = 0; view->currentIndex().row() != row && moves < 200; ++moves)
            QTest::keyClick(view, view->currentIndex().row() < row ? Qt::Key_Down : Qt::Key_Up);
        return view->isVisible() && view->currentIndex().row() == row;
    }

    // A point on the window's margin, clear of every control and of the open
    // lists, as long as the window is larger than it.
    static constexpr QPoint besideLists{1, 1};

    // Closes the open list of `pickList` as a user does, through the window
    // system, which hands whatever a click outside a popup meets to the popup.
    void closeList(window::PickList *pickList, const ListClosing &how)
    {
        QAbstractItemView *view = pickList->view();
        if (how.key != Qt::Key_unknown) {
            QTest::keyClick(view, how.key, how.modifiers);
        } else if (how.picks) {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                              view->visualRect(view->currentIndex()).center());
        } else {
            QTest::mouseClick(m_form->windowHandle(), Qt::LeftButton, {}, besideLists);
        }
    }

    // Types text into the search box key by key, a key a character, not only
    // Latin-1. Only presses: Qt 6.4's Wayland client crashes on a key release
    // sent by hand, 6.8's does not (kept while Qt 6.4 is supported).
    void type(const QString &text)
    {
        for (const char32_t point : text.toUcs4()) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                            QString::fromUcs4(&point, 1));
            QApplication::sendEvent(searchBox(), &press);
        }
    }

    // A user's double click: press, release, the double click, release.
    static void doubleClick(QWidget *widget, QPoint point, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(widget, button, {}, point);
        QTest::mouseDClick(widget, button, {}, point);
        QTest::mouseRelease(widget, button, {}, point);
    }

    // One notch of the mouse wheel at `point`, turned down or up.
    static void turnWheel(QWidget *widget, QPoint point, bool down)
    {
        QWheelEvent wheel(point, widget->mapToGlobal(point), QPoint(), QPoint(0, down ? -120 : 120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &wheel);
    }

    // A right click as the desktop reports it: the press, the release and
    // the request for a context menu there.
    static void rightClick(QWidget *widget, QPoint point)
    {
        QTest::mouseClick(widget, Qt::RightButton, {}, point);
        QContextMenuEvent request(QContextMenuEvent::Mouse, point, widget->mapToGlobal(point));
        QApplication::sendEvent(widget, &request);
    }

    void clickButton(const char *name) { QTest::mouseClick(control(name), Qt::LeftButton); }

    // Presses a button with the mouse, or with `key` while it has the focus.
    void pressButton(const char *name, int key = Qt::Key_unknown)
    {
        if (key == Qt::Key_unknown)
            return clickButton(name);
        control(name)->setFocus();
        QTest::keyClick(control(name), Qt::Key(key),
                        key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }

    // Clicks the header of column `column` (counted from 1); a second click at
    // once after the first arrives as a double click.
    void clickHeader(int column, bool twiceQuickly = false)
    {
        QHeaderView *header = list()->header();
        const int x =
            header->sectionViewportPosition(column - 1) + header->sectionSize(column - 1) / 2;
        const QPoint centre(x, header->height() / 2);
        if (twiceQuickly)
            doubleClick(header->viewport(), centre);
        else
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
    }

    // The list's context menu, whether open or not.
    QMenu *listMenu() const { return control<QMenu>("ListMenu"); }
    // Opens the list's menu with the Menu key and chooses the items of
    // `path` in turn with the keys, such as {"Sort by", "Title"}; false if an
    // item is missing.
    bool chooseFromListMenu(const QStringList &path)
    {
        list()->setFocus();
        QTest::keyClick(list(), Qt::Key_Menu);
        QMenu *menu = listMenu();
        for (const QString &text : path) {
            const QList<QAction *> items = menu->actions();
            const auto item = std::find_if(items.cbegin(), items.cend(),
                                           [&](const QAction *a) { return a->text() == text; });
            if (item == items.cend())
                return false;
            menu->setActiveAction(*item);
            QTest::keyClick(menu, (*item)->menu() ? Qt::Key_Right : Qt::Key_Return);
            menu = (*item)->menu();
        }
        return true;
    }

    // The centre of the row at display position `position` in the list.
    QPoint rowPoint(int position) const
    {
        const QModelIndex index = list()->model()->index(position, 1);
        return list()->visualRect(index).center();
    }

    void clickRow(int position)
    {
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowPoint(position));
    }

    // What the window's message box tells, as "title|text|buttons", answered
    // with OK, or with its "Look in Another Folder…", whose mnemonic it shows
    // and which Tab reaches; empty when it tells nothing or has no such button.
    QString takeNotice(bool anotherFolder = false)
    {
        for (QMessageBox *box : m_form->findChildren<QMessageBox *>(QStringLiteral("notice"))) {
            auto *another = box->findChild<QPushButton *>(QStringLiteral("anotherFolder"));
            if (!box->isVisible())
                continue;
            if (anotherFolder
                && (!another || another->text() != "&Look in Another Folder\u2026"
                    || !(another->focusPolicy() & Qt::TabFocus)))
                return {};
            const QString told = QStringLiteral("%1|%2|%3")
                                     .arg(box->windowTitle(), box->text())
                                     .arg(box->buttons().size());
            QTest::mouseClick(anotherFolder ? another : box->button(QMessageBox::Ok),
                              Qt::LeftButton);
            return told;
        }
        return {};
    }

    // The list's rows as a user sees them, each as its six cells.
    QList<QStringList> shownRows() const
    {
        QList<QStringList> rows;
        const QAbstractItemModel *model = list()->model();
        for (int r = 0; r < model->rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells.append(model->index(r, c).data().toString());
            rows.append(cells);
        }
        return rows;
    }

    // The built-in rows (numbered from 1) for which `keep` holds.
    static QList<int>
    builtinRowsWhere(const std::function<bool(const catalogue::BuiltinRow &)> &keep)
    {
        QList<int> rows;
        for (int i = 0; i < int(catalogue::builtinRows.size()); ++i) {
            if (keep(catalogue::builtinRows[i]))
                rows.append(i + 1);
        }
        return rows;
    }

    RecordingShell shell;

private:
    static std::unique_ptr<window::MainForm> makeForm(documents::Shell &windowShell)
    {
        window::installAccessibleInterfaces(); // as the program does when it starts
        return std::make_unique<window::MainForm>(windowShell);
    }

    std::unique_ptr<window::MainForm> m_form;
};
