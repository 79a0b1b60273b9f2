// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowsession.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QStyle>

namespace randomsession {

bool RuntimeErrorWatch::eventFilter(QObject *watched, QEvent *event)
{
    const auto *box = qobject_cast<QMessageBox *>(watched);
    if (event->type() == QEvent::Show && box && box->objectName() == u"runtimeError")
        qFatal("the window reports an error that no routine handles: %s", qPrintable(box->text()));
    return false;
}

Session::Session()
    : m_driver(std::make_unique<WindowDriver>())
    , m_model(facts::designClientSize)
{
}

bool Session::apply(const Action &a)
{
    if (a.kind <= Action::CancelPopup)
        return applyToDropDown(a);
    if (a.kind <= Action::PasteOverAll)
        return applyToSearchBox(a);
    if (a.kind <= Action::ResetSort)
        return pressButton(a);
    if (a.kind <= Action::KeyInList)
        return applyToList(a);
    return applyToWindow(a);
}

bool Session::applyToDropDown(const Action &a)
{
    window::PickList *list = dropDown(a.number);
    const QStringList &order = m_order[a.number];
    if (a.kind == Action::CancelPopup || a.kind == Action::PickFromPopup)
        return usePopup(list, a);
    if (a.kind == Action::PickByWheel) {
        const QPoint centre = list->rect().center();
        if (!reachable(list, centre))
            return false;
        WindowDriver::turnWheel(list, centre, a.other > 0);
        if (!list->hasFocus()) // scrolling past a list picks nothing
            return true;
        const int at = int(order.indexOf(m_model.dropDownText(a.number)));
        const int next = std::clamp(at + (a.other > 0 ? 1 : -1), 0, int(order.size()) - 1);
        if (next != at)
            m_model.pick(a.number, order[next]);
        return true;
    }
    if (!WindowDriver::pick(list, a.text))
        return false;
    m_model.pick(a.number, a.text);
    return true;
}

// Walks the open popup with the arrow keys to the entry, then closes it in
// one of the ways a user does: some pick that entry, the others none.
bool Session::usePopup(window::PickList *list, const Action &a)
{
    const ListClosing &closing = listClosings[a.other];
    const bool clickBeside = !closing.picks && closing.key == Qt::Key_unknown;
    if (clickBeside && !form().rect().contains(WindowDriver::besideLists))
        return false;
    const int target = int(m_order[a.number].indexOf(a.text));
    if (target < 0 || !WindowDriver::openAt(list, target))
        return false;
    m_driver->closeList(list, closing);
    if (closing.picks)
        m_model.pick(a.number, a.text);
    return true;
}

bool Session::applyToSearchBox(const Action &a)
{
    QWidget *box = m_driver->searchBox();
    const bool adds =
        a.kind == Action::Type || a.kind == Action::Compose || a.kind == Action::Paste;
    if (adds && m_model.search().size() + a.text.size() > maxSearchLength)
        return false;
    switch (a.kind) {
    case Action::Type: m_driver->type(a.text); break;
    case Action::Compose: {
        QInputMethodEvent commit;
        commit.setCommitString(a.text);
        QApplication::sendEvent(box, &commit);
        break;
    }
    case Action::Backspace:
    case Action::DeleteForward:
        for (int i = 0; i < a.number; ++i) {
            const bool back = a.kind == Action::Backspace;
            QTest::keyClick(box, back ? Qt::Key_Backspace : Qt::Key_Delete);
            back ? m_model.backspace() : m_model.deleteForward();
        }
        return true;
    case Action::Home:
    case Action::End:
        QTest::keyClick(box, a.kind == Action::Home ? Qt::Key_Home : Qt::Key_End);
        m_model.moveCursor(a.kind == Action::End);
        return true;
    case Action::SelectAllDelete:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        m_model.replaceSearch(QString());
        return true;
    default: // a paste, over the cursor or over the whole text
        QGuiApplication::clipboard()->setText(a.text);
        if (a.kind == Action::PasteOverAll) {
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            m_model.replaceSearch(QString());
        }
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    }
    m_model.insert(a.text);
    return true;
}

// "Reset Search" empties the search box, "Reset Sort Criteria" the filters.
bool Session::pressButton(const Action &a)
{
    const bool search = a.kind == Action::ResetSearch;
    QWidget *button = m_driver->control(search ? "Command1" : "Command2");
    if (a.other)
        QTest::keyClick(button, Qt::Key_Space);
    else if (reachable(button, button->rect().center()))
        QTest::mouseClick(button, Qt::LeftButton);
    else
        return false;
    search ? m_model.replaceSearch(QString()) : m_model.resetFilters();
    return true;
}

bool Session::applyToList(const Action &a)
{
    QPoint point;
    if (a.kind == Action::KeyInList)
        return pressKeyInList(a);
    if (a.kind == Action::ClickHeader) {
        if (!headerPoint(a.number, &point))
            return false;
        QTest::mouseClick(m_driver->list()->header()->viewport(), Qt::LeftButton, {}, point);
        m_model.clickHeader(a.number);
        return true;
    }
    const bool onRow = a.kind == Action::ClickRow || a.kind == Action::DoubleClickRow;
    const bool twice = a.kind == Action::DoubleClickRow || a.kind == Action::DoubleClickEmpty;
    if (!(onRow ? rowPoint(a.number, a.other, &point) : emptyPoint(&point)))
        return false;
    QWidget *viewport = m_driver->list()->viewport();
    if (twice)
        WindowDriver::doubleClick(viewport, point);
    else
        QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
    if (onRow)
        m_model.clickRow(a.number);
    if (twice)
        m_model.open();
    return true;
}

bool Session::pressKeyInList(const Action &a)
{
    resultlist::ReportList *list = m_driver->list();
    for (int i = 0; i < std::max(1, a.other); ++i) { // held down: the later presses repeat
        QKeyEvent press(QEvent::KeyPress, a.key, a.modifiers, QString(), i > 0);
        QApplication::sendEvent(list, &press);
    }
    QKeyEvent release(QEvent::KeyRelease, a.key, a.modifiers);
    QApplication::sendEvent(list, &release);
    // A key that moves or selects chooses the current row, even where it
    // cannot move; the keys here type no text ahead.
    static const QList<int> choosing{Qt::Key_Down, Qt::Key_Up,  Qt::Key_PageDown, Qt::Key_PageUp,
                                     Qt::Key_Home, Qt::Key_End, Qt::Key_Space};
    const int row = list->currentIndex().row();
    if (row >= 0 && choosing.contains(a.key))
        m_model.clickRow(row);
    if (a.key == Qt::Key_Return || a.key == Qt::Key_Enter)
        m_model.open(); // once, however long the key is held
    return true;
}

// A point the user can put the pointer on: inside the control and the window.
bool Session::reachable(QWidget *widget, QPoint point)
{
    if (!widget->isVisible() || !widget->rect().contains(point))
        return false;
    return form().rect().contains(widget->mapTo(&form(), point));
}

bool Session::rowPoint(int position, int cell, QPoint *point)
{
    resultlist::ReportList *list = m_driver->list();
    if (position >= list->model()->rowCount())
        return false;
    const QModelIndex index = list->model()->index(position, cell);
    // As the user scrolls to the row, and sideways to the cell, before clicking it.
    list->scrollTo(index);
    list->horizontalScrollBar()->setValue(list->header()->sectionPosition(cell));
    const QRect shown = list->visualRect(index) & list->viewport()->rect();
    if (shown.width() < 3 || shown.height() < 3)
        return false;
    *point = shown.center();
    return list->indexAt(*point).row() == position && reachable(list->viewport(), *point);
}

bool Session::emptyPoint(QPoint *point)
{
    resultlist::ReportList *list = m_driver->list();
    list->scrollToBottom();
    const int rows = list->model()->rowCount();
    const int bottom = rows > 0 ? list->visualRect(list->model()->index(rows - 1, 0)).bottom() : -1;
    const QRect viewport = list->viewport()->rect();
    if (viewport.height() - bottom < 4 || viewport.width() < 4)
        return false;
    *point = QPoint(viewport.width() / 3, (bottom + viewport.height()) / 2);
    return !list->indexAt(*point).isValid() && reachable(list->viewport(), *point);
}

bool Session::headerPoint(int column, QPoint *point)
{
    QHeaderView *header = m_driver->list()->header();
    const int section = column - 1;
    const int size = header->sectionSize(section);
    // A header narrower than its two resize grips cannot be clicked, only resized.
    const int grip = header->style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, header);
    if (size <= 2 * grip + 2 || header->height() < 3)
        return false;
    const int x = header->sectionViewportPosition(section) + size / 2;
    if (x < 0 || x >= header->viewport()->width())
        m_driver->list()->horizontalScrollBar()->setValue(header->sectionPosition(section));
    *point = QPoint(header->sectionViewportPosition(section) + size / 2, header->height() / 2);
    return reachable(header->viewport(), *point);
}

bool Session::applyToWindow(const Action &a)
{
    switch (a.kind) {
    case Action::Resize:
        form().resize(a.size);
        for (int i = 0; i < 20 && form().size() != a.size; ++i)
            QCoreApplication::processEvents();
        m_model.resize(a.size);
        return true;
    case Action::Minimise:
    case Action::Restore: {
        const bool minimise = a.kind == Action::Minimise;
        if (m_model.minimised() == minimise)
            return false;
        minimise ? form().showMinimized() : form().showNormal();
        m_model.setMinimised(minimise);
        return true;
    }
    default:
        m_driver->shell.answer = a.number;
        m_model.setShellAnswer(a.number);
        return true;
    }
}

QString Session::tally() const
{
    const auto counted = [](const std::map<Action::Kind, int> &counts) {
        QStringList told;
        for (const auto &[kind, count] : counts)
            told.append(QStringLiteral("%1 %2").arg(kindName(kind)).arg(count));
        return told.join(QStringLiteral(", "));
    };
    return QStringLiteral("%1; not possible at the time: %2; rows shown on average: %5; "
                          "open requests: %3, Open With: %4")
        .arg(counted(m_performed), counted(m_skipped))
        .arg(m_model.requests().size())
        .arg(m_model.started().size())
        .arg(double(m_shownRows) / std::max(1, m_performedCount), 0, 'f', 1);
}

namespace {

// "the <what> is A but must be B", where the window has A and the model B.
template<typename T>
QString differs(const QString &what, const T &shown, const T &expected)
{
    const auto told = [](const T &value) {
        if constexpr (std::is_same_v<T, QString>)
            return quoted(value);
        else if constexpr (std::is_same_v<T, QSize>)
            return QStringLiteral("%1 x %2").arg(value.width()).arg(value.height());
        else if constexpr (std::is_same_v<T, QPoint>)
            return QStringLiteral("(%1, %2)").arg(value.x()).arg(value.y());
        else if constexpr (std::is_same_v<T, catalogue::Cell>)
            return value.isEmpty() ? QStringLiteral("empty") : quoted(value.text());
        else
            return QString::number(value);
    };
    if (shown == expected)
        return QString();
    return QStringLiteral("the %1 is %2 but must be %3").arg(what, told(shown), told(expected));
}

// The first entry, each a list of fields, where the window and the model
// differ, at a position counted from 0 as the list counts its rows.
QString differs(const char *what, const QList<QStringList> &shown,
                const QList<QStringList> &expected)
{
    const auto told = [](const QStringList &fields) {
        QStringList shownFields;
        for (const QString &field : fields)
            shownFields.append(quoted(field));
        return shownFields.join(QStringLiteral(" | "));
    };
    for (qsizetype i = 0; i < std::min(shown.size(), expected.size()); ++i) {
        if (shown[i] != expected[i])
            return QStringLiteral("the %1 at position %2 is\n    %3\n  but must be\n    %4")
                .arg(what)
                .arg(i)
                .arg(told(shown[i]), told(expected[i]));
    }
    return differs(QStringLiteral("number of %1s").arg(what), shown.size(), expected.size());
}

} // namespace

QString Session::compare()
{
    QStringList wrong;
    const QList<QStringList> expected = m_model.shownRows();
    m_shownRows += expected.size();
    wrong.append(differs("row", m_driver->shownRows(), expected));
    compareControls(wrong);
    compareShell(wrong);
    compareLayout(wrong);
    wrong.removeAll(QString());
    return wrong.join(QStringLiteral("\n  and "));
}

void Session::compareControls(QStringList &wrong)
{
    const catalogue::Catalogue &state = m_driver->state();
    const int filters[] = {state.trackfilter, state.timeslotfilter, state.sessionfilter};
    for (int list = 0; list < 3; ++list) {
        const QString name = QString::fromLatin1(dropDownNames[list]);
        wrong << differs(name + " filter", filters[list], m_model.filter(list))
              << differs(name + " list's text", dropDown(list)->currentText(),
                         m_model.dropDownText(list));
    }
    if (QApplication::activePopupWidget())
        wrong << QStringLiteral("a drop-down list stayed open");
    const window::SearchBox *box = m_driver->searchBox();
    const std::optional<QString> selected = m_model.selectedFile();
    const resultlist::ReportList *list = m_driver->list();
    wrong << differs("search box's text", box->text(), m_model.search())
          << differs("search box's cursor (editing, not a rule)", box->cursorPosition(),
                     m_model.cursor())
          << differs("selected file", state.selectedfile,
                     selected ? catalogue::Cell(*selected) : catalogue::Cell())
          << differs("marked row", list->markedCells().join(" | "), m_model.markedRow().join(" | "))
          << differs("current row", list->currentIndex().row(), list->markedPosition())
          << differs("sort key", int(list->sortKey()), m_model.sortKey())
          << differs("sort order", list->sortOrder(), m_model.sortOrder());
}

// Every open request asks the shell to open the file shown normally, with
// nothing else; Open With starts its command line shown normally.
void Session::compareShell(QStringList &wrong)
{
    QList<QStringList> asked, mustAsk, ran, mustRun;
    for (const RecordingShell::Request &request : m_driver->shell.requests) {
        const bool more = request.parameters || request.directory;
        asked.append({request.verb, request.file, QString::number(request.showCommand),
                      more ? "with parameters or a directory" : "nothing else"});
    }
    for (const QString &file : m_model.requests())
        mustAsk.append({"open", file, "1", "nothing else"});
    for (const RecordingShell::Started &started : m_driver->shell.started)
        ran.append({started.commandLine, QString::number(started.windowStyle)});
    for (const QString &commandLine : m_model.started())
        mustRun.append({commandLine, "1"});
    while (!m_driver->takeNotice().isEmpty())
        ++m_notices;
    wrong << differs("shell request", asked, mustAsk) << differs("command line", ran, mustRun)
          << differs("number of notices", m_notices, m_model.notices());
}

Snapshot Session::snapshot()
{
    resultlist::ReportList *list = m_driver->list();
    Snapshot now{list->geometry(), form().line1().X2, form().line2().X2, {}, {}};
    for (int i = 1; i <= 6; ++i) {
        now.columnWidths.append(list->columnWidth(i));
        now.sectionSizes.append(list->header()->sectionSize(i - 1));
    }
    return now;
}

void Session::compareLayout(QStringList &wrong)
{
    if (!m_model.minimised())
        wrong << differs("window's size", form().size(), m_model.size());
    const Snapshot now = snapshot();
    wrong << differs("list's place", now.listGeometry.topLeft(), QPoint(24, 240));
    if (m_model.layouts() != m_layoutsSeen) {
        m_layoutsSeen = m_model.layouts();
        m_last = now;
        wrong << compareLaidOut(now);
    } else if (!(now == m_last)) {
        wrong << QStringLiteral(
            "the list, the lines or the columns changed although the layout must not run");
    }
}

// A size the list holds in whole pixels: the nearest one to the exact size.
static bool wholePixels(double shown, double exact)
{
    return qAbs(shown - exact) <= 0.5 + 1e-4;
}

QString Session::compareLaidOut(const Snapshot &now)
{
    const Layout &expected = m_model.layout();
    const QSize list = now.listGeometry.size();
    if (!wholePixels(list.width(), expected.listWidth * pixelsPerUnitX)
        || !wholePixels(list.height(), expected.listHeight * pixelsPerUnitY))
        return QStringLiteral(
                   "the list is %1 x %2 pixels but must be %3 x %4 units (%5 x %6 pixels)")
            .arg(list.width())
            .arg(list.height())
            .arg(expected.listWidth)
            .arg(expected.listHeight)
            .arg(expected.listWidth * pixelsPerUnitX)
            .arg(expected.listHeight * pixelsPerUnitY);
    if (qAbs(now.line1X2 - expected.lineX2) > 1e-3 || now.line2X2 != now.line1X2)
        return QStringLiteral("the lines end at %1 and %2 but must end at %3")
            .arg(now.line1X2)
            .arg(now.line2X2)
            .arg(expected.lineX2);
    // The columns follow the list's width as the list reports it: whole pixels.
    const double reported = list.width() / pixelsPerUnitX;
    for (int i = 0; i < 6; ++i) {
        const double width =
            expected.columnsAtStart ? startColumnWidths[i] : reported * columnShares[i];
        if (!wholePixels(now.columnWidths[i] * pixelsPerUnitX, width * pixelsPerUnitX)
            || !wholePixels(now.sectionSizes[i], width * pixelsPerUnitX))
            return QStringLiteral("column %1 is %2 units (%3 pixels) wide but must be %4 units")
                .arg(i + 1)
                .arg(now.columnWidths[i])
                .arg(now.sectionSizes[i])
                .arg(width);
    }
    return QString();
}

} // namespace randomsession
