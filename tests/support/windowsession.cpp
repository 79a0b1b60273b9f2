#include "windowsession.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

namespace randomsession {

namespace {

// Warnings are faults too; the offscreen platform's notes about what it
// cannot do (raise a window, grab the keyboard) are not.
QtMessageHandler previousHandler = nullptr;
QStringList warnings;

void collectWarnings(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const bool platformNote = message.startsWith(QLatin1String("This plugin does not support"));
    if ((type == QtWarningMsg || type == QtCriticalMsg) && !platformNote)
        warnings.append(message);
    if (!platformNote && previousHandler)
        previousHandler(type, context, message);
}

} // namespace

void startCollectingWarnings()
{
    previousHandler = qInstallMessageHandler(collectWarnings);
}

void stopCollectingWarnings()
{
    qInstallMessageHandler(previousHandler);
}

Session::Session()
    : m_driver(std::make_unique<WindowDriver>())
    , m_model(window::MainForm::designClientSize)
{
    warnings.clear();
}

bool Session::apply(const Action &a)
{
    switch (a.kind) {
    case Action::PickByKeys:
    case Action::PickByWheel:
    case Action::PickFromPopup:
    case Action::CancelPopup: return applyToDropDown(a);
    case Action::Type:
    case Action::Compose:
    case Action::Backspace:
    case Action::DeleteForward:
    case Action::Home:
    case Action::End:
    case Action::SelectAllDelete:
    case Action::Paste:
    case Action::PasteOverAll: return applyToSearchBox(a);
    case Action::ResetSearch:
        if (!pressButton("Command1", a.other))
            return false;
        m_model.replaceSearch(QString());
        return true;
    case Action::ResetSort:
        if (!pressButton("Command2", a.other))
            return false;
        m_model.resetFilters();
        return true;
    case Action::ClickHeader:
    case Action::ClickRow:
    case Action::DoubleClickRow:
    case Action::ClickEmpty:
    case Action::DoubleClickEmpty:
    case Action::KeyInList: return applyToList(a);
    case Action::Resize:
    case Action::Minimise:
    case Action::Restore:
    case Action::ShellAnswer: return applyToWindow(a);
    }
    return false;
}

bool Session::applyToDropDown(const Action &a)
{
    window::PickList *list = dropDown(a.number);
    const QStringList &order = m_order[a.number];
    switch (a.kind) {
    case Action::PickByKeys:
        if (!WindowDriver::pick(list, a.text))
            return false;
        m_model.pick(a.number, a.text);
        return true;
    case Action::PickByWheel: {
        const QPoint centre = list->rect().center();
        if (!reachable(list, centre))
            return false;
        QWheelEvent wheel(centre, list->mapToGlobal(centre), QPoint(),
                          QPoint(0, a.other > 0 ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(list, &wheel);
        if (!list->hasFocus()) // scrolling past a list picks nothing
            return true;
        const int at = int(order.indexOf(m_model.dropDownText(a.number)));
        const int next = std::clamp(at + (a.other > 0 ? 1 : -1), 0, int(order.size()) - 1);
        if (next != at)
            m_model.pick(a.number, order[next]);
        return true;
    }
    case Action::PickFromPopup:
        if (!pickFromPopup(list, int(order.indexOf(a.text))))
            return false;
        m_model.pick(a.number, a.text);
        return true;
    default: return closePopupWithoutChoosing(list, a.other);
    }
}

bool Session::pickFromPopup(window::PickList *list, int target)
{
    if (target < 0)
        return false;
    list->showPopup();
    QCoreApplication::processEvents();
    QAbstractItemView *view = list->view();
    for (int guard = 0; view->currentIndex().row() != target && guard < 200; ++guard)
        QTest::keyClick(view, view->currentIndex().row() < target ? Qt::Key_Down : Qt::Key_Up);
    QTest::keyClick(view, Qt::Key_Return);
    return true;
}

bool Session::closePopupWithoutChoosing(window::PickList *list, int moves)
{
    list->showPopup();
    QCoreApplication::processEvents();
    for (int i = 0; i < moves; ++i)
        QTest::keyClick(list->view(), Qt::Key_Down);
    QTest::keyClick(list->view(), Qt::Key_F4);
    return true;
}

static void composeText(QWidget *box, const QString &text)
{
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(box, &commit);
}

bool Session::applyToSearchBox(const Action &a)
{
    QWidget *box = m_driver->searchBox();
    const bool adds =
        a.kind == Action::Type || a.kind == Action::Compose || a.kind == Action::Paste;
    if (adds && m_model.search().size() + a.text.size() > maxSearchLength)
        return false;
    switch (a.kind) {
    case Action::Type:
        m_driver->type(a.text);
        m_model.insert(a.text);
        break;
    case Action::Compose:
        composeText(box, a.text);
        m_model.insert(a.text);
        break;
    case Action::Backspace:
        for (int i = 0; i < a.number; ++i) {
            QTest::keyClick(box, Qt::Key_Backspace);
            m_model.backspace();
        }
        break;
    case Action::DeleteForward:
        for (int i = 0; i < a.number; ++i) {
            QTest::keyClick(box, Qt::Key_Delete);
            m_model.deleteForward();
        }
        break;
    case Action::Home:
    case Action::End:
        QTest::keyClick(box, a.kind == Action::Home ? Qt::Key_Home : Qt::Key_End);
        m_model.moveCursor(a.kind == Action::End);
        break;
    case Action::SelectAllDelete:
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        m_model.replaceSearch(QString());
        break;
    default:
        QGuiApplication::clipboard()->setText(a.text);
        if (a.kind == Action::PasteOverAll)
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        if (a.kind == Action::PasteOverAll)
            m_model.replaceSearch(a.text);
        else
            m_model.insert(a.text);
        break;
    }
    return true;
}

bool Session::pressButton(const char *name, bool byKeyboard)
{
    QWidget *button = m_driver->control(name);
    if (byKeyboard) {
        QTest::keyClick(button, Qt::Key_Space);
        return true;
    }
    if (!reachable(button, button->rect().center()))
        return false;
    m_driver->clickButton(name);
    return true;
}

bool Session::applyToList(const Action &a)
{
    QWidget *viewport = m_driver->list()->viewport();
    QPoint point;
    switch (a.kind) {
    case Action::ClickHeader:
        if (!headerPoint(a.number, &point))
            return false;
        QTest::mouseClick(m_driver->list()->header()->viewport(), Qt::LeftButton, {}, point);
        m_model.clickHeader(a.number);
        return true;
    case Action::ClickRow:
    case Action::DoubleClickRow:
        if (!rowPoint(a.number, a.other, &point))
            return false;
        if (a.kind == Action::ClickRow)
            QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
        else
            WindowDriver::doubleClick(viewport, point);
        m_model.clickRow(a.number);
        if (a.kind == Action::DoubleClickRow)
            m_model.open();
        return true;
    case Action::ClickEmpty:
    case Action::DoubleClickEmpty:
        if (!emptyPoint(&point))
            return false;
        if (a.kind == Action::ClickEmpty) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, point);
        } else {
            WindowDriver::doubleClick(viewport, point);
            m_model.open();
        }
        return true;
    default: {
        resultlist::ReportList *list = m_driver->list();
        const int rowBefore = list->currentIndex().row();
        QKeyEvent press(QEvent::KeyPress, a.key, a.modifiers);
        QApplication::sendEvent(list, &press);
        for (int i = 1; i < a.other; ++i) {
            QKeyEvent repeat(QEvent::KeyPress, a.key, a.modifiers, QString(), true);
            QApplication::sendEvent(list, &repeat);
        }
        QKeyEvent release(QEvent::KeyRelease, a.key, a.modifiers);
        QApplication::sendEvent(list, &release);
        // Moving to a row with the keys, or Space on it, chooses it.
        const int row = list->currentIndex().row();
        if (row >= 0 && (row != rowBefore || a.key == Qt::Key_Space))
            m_model.clickRow(row);
        if (a.key == Qt::Key_Return || a.key == Qt::Key_Enter) {
            for (int i = 0; i < std::max(1, a.other); ++i)
                m_model.open();
        }
        return true;
    }
    }
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
    list->scrollTo(index); // as the user scrolls to the row before clicking it
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
        resizeTo(a.size);
        m_model.resize(a.size);
        return true;
    case Action::Minimise:
        if (m_model.minimised())
            return false;
        form().showMinimized();
        m_model.minimise();
        return true;
    case Action::Restore:
        if (!m_model.minimised())
            return false;
        form().showNormal();
        m_model.restore();
        return true;
    default:
        m_driver->shell.answer = a.number;
        m_model.setShellAnswer(a.number);
        return true;
    }
}

void Session::resizeTo(QSize size)
{
    form().resize(size);
    for (int i = 0; i < 20 && form().size() != size; ++i)
        QCoreApplication::processEvents();
}

QString Session::tally() const
{
    static const char *const names[] = {"pick by keys",
                                        "pick by wheel",
                                        "pick from popup",
                                        "cancel popup",
                                        "type",
                                        "compose",
                                        "backspace",
                                        "delete",
                                        "home",
                                        "end",
                                        "select all+delete",
                                        "paste",
                                        "paste over all",
                                        "reset search",
                                        "reset filters",
                                        "header click",
                                        "row click",
                                        "row double click",
                                        "empty click",
                                        "empty double click",
                                        "key in list",
                                        "resize",
                                        "minimise",
                                        "restore",
                                        "shell answer"};
    QStringList counts;
    int performed = 0;
    for (const auto &[kind, count] : m_performed) {
        counts.append(QStringLiteral("%1 %2").arg(names[kind]).arg(count));
        performed += count;
    }
    QStringList skipped;
    for (const auto &[kind, count] : m_skipped)
        skipped.append(QStringLiteral("%1 %2").arg(names[kind]).arg(count));
    return QStringLiteral("%1; not possible at the time: %2; rows shown on average: %5; "
                          "open requests: %3, Open With: %4")
        .arg(counts.join(QStringLiteral(", ")), skipped.join(QStringLiteral(", ")))
        .arg(m_model.requests().size())
        .arg(m_model.started().size())
        .arg(double(m_shownRows) / std::max(1, performed), 0, 'f', 1);
}

QString Session::compare()
{
    if (!warnings.isEmpty()) {
        const QString warned =
            QStringLiteral("the program warned: ") + warnings.join(QStringLiteral("; "));
        warnings.clear();
        return warned;
    }
    for (const QString &wrong :
         {compareRows(), compareControls(), compareRequests(), compareLayout()}) {
        if (!wrong.isEmpty())
            return wrong;
    }
    return QString();
}

static QString cellsText(const QStringList &cells)
{
    QStringList shown;
    for (const QString &cell : cells)
        shown.append(quoted(cell));
    return shown.join(QStringLiteral(" | "));
}

QString Session::compareRows()
{
    const QList<QStringList> shown = m_driver->shownRows();
    const QList<QStringList> expected = m_model.shownRows();
    m_shownRows += expected.size();
    for (qsizetype i = 0; i < std::min(shown.size(), expected.size()); ++i) {
        if (shown[i] != expected[i])
            return QStringLiteral("row %1 of the list shows\n    %2\n  but must show\n    %3")
                .arg(i)
                .arg(cellsText(shown[i]), cellsText(expected[i]));
    }
    if (shown.size() != expected.size())
        return QStringLiteral("the list shows %1 rows but must show %2")
            .arg(shown.size())
            .arg(expected.size());
    return QString();
}

QString Session::compareControls()
{
    const catalogue::Catalogue &state = m_driver->state();
    const int filters[] = {state.trackfilter, state.timeslotfilter, state.sessionfilter};
    for (int list = 0; list < 3; ++list) {
        if (filters[list] != m_model.filter(list))
            return QStringLiteral("the %1 filter is %2 but must be %3")
                .arg(dropDownNames[list])
                .arg(filters[list])
                .arg(m_model.filter(list));
        if (dropDown(list)->currentText() != m_model.dropDownText(list))
            return QStringLiteral("the %1 list shows %2 but must show %3")
                .arg(dropDownNames[list], quoted(dropDown(list)->currentText()),
                     quoted(m_model.dropDownText(list)));
    }
    if (QApplication::activePopupWidget())
        return QStringLiteral("a drop-down list stayed open");
    const window::SearchBox *box = m_driver->searchBox();
    if (box->text() != m_model.search())
        return QStringLiteral("the search box holds %1 but must hold %2")
            .arg(quoted(box->text()), quoted(m_model.search()));
    if (box->cursorPosition() != m_model.cursor())
        return QStringLiteral(
                   "the search box's cursor stands at %1, the model's at %2 (editing, not a rule)")
            .arg(box->cursorPosition())
            .arg(m_model.cursor());
    const std::optional<QString> selected = m_model.selectedFile();
    if (state.selectedfile.isEmpty() != !selected.has_value()
        || (selected && (!state.selectedfile.isText() || state.selectedfile.text() != *selected)))
        return QStringLiteral("selectedfile is %1 but must be %2")
            .arg(state.selectedfile.isEmpty() ? QStringLiteral("empty")
                                              : quoted(state.selectedfile.text()),
                 selected ? quoted(*selected) : QStringLiteral("empty"));
    if (m_driver->list()->sortKey() != m_model.sortKey()
        || m_driver->list()->sortOrder() != m_model.sortOrder())
        return QStringLiteral(
                   "the list sorts by key %1, order %2, but must sort by key %3, order %4")
            .arg(m_driver->list()->sortKey())
            .arg(m_driver->list()->sortOrder())
            .arg(m_model.sortKey())
            .arg(m_model.sortOrder());
    return QString();
}

QString Session::compareRequests()
{
    const RecordingShell &shell = m_driver->shell;
    const QStringList &requests = m_model.requests();
    if (shell.requests.size() != requests.size())
        return QStringLiteral("the shell was asked %1 times but must have been asked %2 times")
            .arg(shell.requests.size())
            .arg(requests.size());
    for (qsizetype i = 0; i < requests.size(); ++i) {
        const RecordingShell::Request &asked = shell.requests[i];
        if (asked.verb != "open" || asked.file != requests[i] || asked.parameters || asked.directory
            || asked.showCommand != 1)
            return QStringLiteral("request %1 asked the shell to %2 %3 (show %4%5) but must ask to "
                                  "open %6 (show 1, no parameters, no directory)")
                .arg(i + 1)
                .arg(quoted(asked.verb), quoted(asked.file))
                .arg(asked.showCommand)
                .arg(asked.parameters || asked.directory ? ", with parameters or a directory" : "")
                .arg(quoted(requests[i]));
    }
    const QStringList &started = m_model.started();
    if (shell.started.size() != started.size())
        return QStringLiteral("%1 command lines were started but %2 must have been")
            .arg(shell.started.size())
            .arg(started.size());
    for (qsizetype i = 0; i < started.size(); ++i) {
        if (shell.started[i].commandLine != started[i] || shell.started[i].windowStyle != 1)
            return QStringLiteral("command line %1 was %2 (style %3), but must be %4 (style 1)")
                .arg(i + 1)
                .arg(quoted(shell.started[i].commandLine))
                .arg(shell.started[i].windowStyle)
                .arg(quoted(started[i]));
    }
    return QString();
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

QString Session::compareLayout()
{
    if (!m_model.minimised() && form().size() != m_model.size())
        return QStringLiteral("the window is %1 x %2 pixels, not the %3 x %4 the user made it")
            .arg(form().width())
            .arg(form().height())
            .arg(m_model.size().width())
            .arg(m_model.size().height());
    const Snapshot now = snapshot();
    if (now.listGeometry.topLeft() != QPoint(24, 240))
        return QStringLiteral("the list moved to (%1, %2)")
            .arg(now.listGeometry.x())
            .arg(now.listGeometry.y());
    if (m_model.layouts() == m_layoutsSeen) {
        if (!(now == m_last))
            return QStringLiteral(
                "the list, the lines or the columns changed although the layout must not run");
        return QString();
    }
    m_layoutsSeen = m_model.layouts();
    m_last = now;
    return compareLaidOut(now);
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
