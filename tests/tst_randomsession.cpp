// A long, seeded session of random user actions on the real window, checked
// after every action against a model of what the window must show.
//
// The model is worked out from the rules of the program alone: which rows the
// filters and the search let through, how the list orders them, what a row
// shows, what a click remembers and what an open request asks the shell, and
// how the list and the dividing lines follow the window's size.
//
// BREVANOR_RANDOM_SEED (first seed), BREVANOR_RANDOM_SEEDS (number of seeds)
// and BREVANOR_RANDOM_ACTIONS (actions per seed) make a longer or a single run.
#include "support/windowdriver.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QCollator>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QScrollBar>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QWheelEvent>

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <optional>
#include <random>

#ifndef BREVANOR_RANDOM_ACTIONS_PER_SEED
#define BREVANOR_RANDOM_ACTIONS_PER_SEED 4000
#endif

namespace {

constexpr double pixelsPerUnitX = 15.225 / 15;
constexpr double pixelsPerUnitY = 15.39998 / 15;
constexpr std::array<double, 6> columnShares{0.07, 0.13, 0.33, 0.13, 0.17, 0.13};
constexpr std::array<double, 6> startColumnWidths{6, 10, 27, 10, 13, 10};
constexpr int maxSearchLength = 30000; // the box holds a little more; a user stops earlier
const QString openWithCommand = QStringLiteral("rundll32.exe shell32.dll,OpenAs_RunDLL ");

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

enum DropDown { trackList, timeslotList, sessionList };
const char *const dropDownNames[] = {"track", "timeslot", "session"};

// One catalogue row as the rules read it, with the six cells the list shows.
struct Paper
{
    QString firstname;
    QString lastname;
    QString title;
    std::array<int, 3> codes; // track, timeslot, session
    QStringList cells;
};

// The built-in rows and code lists, and every column's order in both directions.
class Papers
{
public:
    static const Papers &instance()
    {
        static const Papers papers;
        return papers;
    }

    QList<Paper> rows;
    std::array<QStringList, 3> codeLists; // the entries of the three drop-down lists
    const QList<int> &order(int key, int direction) const { return m_orders[key][direction]; }

private:
    Papers()
    {
        for (const char *name : catalogue::trackNames)
            codeLists[trackList].append(QString::fromUtf8(name));
        for (const char *name : catalogue::timeslotNames)
            codeLists[timeslotList].append(QString::fromUtf8(name));
        for (const char *name : catalogue::sessionNames)
            codeLists[sessionList].append(QString::fromUtf8(name));
        for (const catalogue::BuiltinRow &row : catalogue::builtinRows)
            rows.append(paperOf(row));
        sortAll();
    }

    Paper paperOf(const catalogue::BuiltinRow &row) const
    {
        Paper paper{QString::fromUtf8(row.firstname),
                    QString::fromUtf8(row.lastname),
                    QString::fromUtf8(row.title),
                    {QByteArray(row.track).toShort(), QByteArray(row.timeslot).toShort(),
                     QByteArray(row.session).toShort()},
                    {}};
        paper.cells = {QString::fromUtf8(row.file),
                       paper.lastname + ", " + paper.firstname,
                       paper.title,
                       codeLists[trackList].at(paper.codes[0]),
                       codeLists[sessionList].at(paper.codes[2]),
                       codeLists[timeslotList].at(paper.codes[1])};
        return paper;
    }

    // Ordering a subset keeps the relative order it has in the whole list,
    // since the sort is stable: rows with equal texts stay in catalogue order.
    void sortAll()
    {
        QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setNumericMode(false);
        for (int key = 0; key < 6; ++key) {
            QList<int> ascending(rows.size());
            std::iota(ascending.begin(), ascending.end(), 0);
            QList<int> descending = ascending;
            std::stable_sort(ascending.begin(), ascending.end(), [&](int a, int b) {
                return collator.compare(rows[a].cells[key], rows[b].cells[key]) < 0;
            });
            std::stable_sort(descending.begin(), descending.end(), [&](int a, int b) {
                return collator.compare(rows[b].cells[key], rows[a].cells[key]) < 0;
            });
            m_orders[key][0] = ascending;
            m_orders[key][1] = descending;
        }
    }

    QList<int> m_orders[6][2];
};

// Where the list, the lines and the columns must be, in the window's units.
struct Layout
{
    double listWidth;
    double listHeight;
    double lineX2;
    bool columnsAtStart; // the start-up widths, not yet laid out
};

// What the window must show, kept from the user's actions by the rules.
class SessionModel
{
public:
    explicit SessionModel(QSize clientSize)
        : m_size(clientSize)
    {
        for (int list = 0; list < 3; ++list)
            m_dropDownText[list] = papers().codeLists[list].first();
        layOut();
    }

    static const Papers &papers() { return Papers::instance(); }

    // The drop-down lists: the code is the index of the entry with that text.
    void pick(int list, const QString &text)
    {
        m_dropDownText[list] = text;
        const QStringList &entries = papers().codeLists[list];
        for (int i = 0; i < entries.size(); ++i) {
            if (entries[i] == text)
                m_filter[list] = i;
        }
    }
    void resetFilters()
    {
        for (int list = 0; list < 3; ++list) {
            m_filter[list] = 0;
            m_dropDownText[list] = papers().codeLists[list].first();
        }
    }

    // The search box, edited as a single-line text box edits.
    void insert(const QString &text)
    {
        m_search.insert(m_cursor, text);
        m_cursor += int(text.size());
    }
    void backspace()
    {
        if (m_cursor == 0)
            return;
        const bool pair = m_cursor > 1 && m_search.at(m_cursor - 1).isLowSurrogate()
                          && m_search.at(m_cursor - 2).isHighSurrogate();
        const int length = pair ? 2 : 1;
        m_cursor -= length;
        m_search.remove(m_cursor, length);
    }
    void deleteForward()
    {
        if (m_cursor >= m_search.size())
            return;
        QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, m_search);
        graphemes.setPosition(m_cursor);
        const qsizetype next = graphemes.toNextBoundary();
        m_search.remove(m_cursor, (next < 0 ? m_search.size() : next) - m_cursor);
    }
    void moveCursor(bool toEnd) { m_cursor = toEnd ? int(m_search.size()) : 0; }
    void replaceSearch(const QString &text)
    {
        m_search = text;
        m_cursor = int(text.size());
    }

    // The list.
    void clickHeader(int column)
    {
        const int key = column - 1;
        if (m_sortKey == key) {
            m_sortOrder = (m_sortOrder + 1) % 2;
        } else {
            m_sortOrder = 0;
            m_sortKey = key;
        }
    }
    void clickRow(int position) { m_selectedFile = shownRows().at(position).first(); }
    void open()
    {
        const QString file = m_selectedFile.value_or(QString());
        m_requests.append(file);
        if (m_shellAnswer == 31)
            m_started.append(openWithCommand + file);
    }
    void setShellAnswer(int answer) { m_shellAnswer = answer; }

    // The window's size and state.
    void resize(QSize clientSize)
    {
        m_size = clientSize;
        layOut();
    }
    void minimise() { m_minimised = true; }
    void restore()
    {
        m_minimised = false;
        layOut();
    }

    QList<QStringList> shownRows() const
    {
        QList<QStringList> shown;
        for (int row : papers().order(m_sortKey, m_sortOrder)) {
            if (passesFilters(papers().rows[row]) && containsSearch(papers().rows[row]))
                shown.append(papers().rows[row].cells);
        }
        return shown;
    }

    int filter(int list) const { return m_filter[list]; }
    QString dropDownText(int list) const { return m_dropDownText[list]; }
    const QString &search() const { return m_search; }
    int cursor() const { return m_cursor; }
    std::optional<QString> selectedFile() const { return m_selectedFile; }
    int sortKey() const { return m_sortKey; }
    int sortOrder() const { return m_sortOrder; }
    QSize size() const { return m_size; }
    bool minimised() const { return m_minimised; }
    const Layout &layout() const { return m_layout; }
    int layouts() const { return m_layouts; }
    const QStringList &requests() const { return m_requests; }
    const QStringList &started() const { return m_started; }

private:
    bool passesFilters(const Paper &paper) const
    {
        for (int list = 0; list < 3; ++list) {
            if (m_filter[list] > 0 && paper.codes[list] != m_filter[list])
                return false;
        }
        return true;
    }

    // Each of the three cells on its own; case is ignored, nothing else.
    bool containsSearch(const Paper &paper) const
    {
        if (m_search.isEmpty())
            return true;
        return paper.firstname.contains(m_search, Qt::CaseInsensitive)
               || paper.lastname.contains(m_search, Qt::CaseInsensitive)
               || paper.title.contains(m_search, Qt::CaseInsensitive);
    }

    void layOut()
    {
        if (m_minimised)
            return;
        const float W = float(m_size.width() / pixelsPerUnitX);
        const float H = float(m_size.height() / pixelsPerUnitY);
        if (!(W > 100) || !(H > 257))
            return;
        m_layout = {double(W) - 47.29, double(H) - 256, double(W) - 23.645, false};
        ++m_layouts;
    }

    std::array<int, 3> m_filter{0, 0, 0};
    std::array<QString, 3> m_dropDownText;
    QString m_search;
    int m_cursor = 0;
    std::optional<QString> m_selectedFile;
    int m_sortKey = 1;
    int m_sortOrder = 0;
    int m_shellAnswer = 42;
    QSize m_size;
    bool m_minimised = false;
    Layout m_layout{11475 / 15.225, 5295 / 15.39998, 11760 / 15.225, true};
    int m_layouts = 0;
    QStringList m_requests;
    QStringList m_started;
};

// One thing a user does, with everything needed to do it again.
struct Action
{
    enum Kind {
        PickByKeys,
        PickByWheel,
        PickFromPopup,
        CancelPopup,
        Type,
        Compose,
        Backspace,
        DeleteForward,
        Home,
        End,
        SelectAllDelete,
        Paste,
        PasteOverAll,
        ResetSearch,
        ResetSort,
        ClickHeader,
        ClickRow,
        DoubleClickRow,
        ClickEmpty,
        DoubleClickEmpty,
        KeyInList,
        Resize,
        Minimise,
        Restore,
        ShellAnswer,
    };

    Action(Kind what, int n = 0, int o = 0, QString t = QString())
        : kind(what)
        , number(n)
        , other(o)
        , text(std::move(t))
    {
    }

    Kind kind;
    int number = 0; // drop-down list, count, column, row position or shell answer
    int other = 0;  // wheel direction, cell column, repeats or "by keyboard"
    QString text;
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    QSize size;
};

QString quoted(const QString &text)
{
    QString shown;
    const QList<uint> points = text.toUcs4();
    for (qsizetype i = 0; i < points.size() && i < 60; ++i) {
        const uint c = points[i];
        if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\')
            shown += QChar(c);
        else
            shown += QStringLiteral("\\u{%1}").arg(
                QString::number(c, 16).toUpper().rightJustified(4, u'0'));
    }
    if (points.size() > 60)
        return QStringLiteral("\"%1...\" (%2 characters in all)").arg(shown).arg(points.size());
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

QString modifierNames(Qt::KeyboardModifiers modifiers)
{
    QString names;
    if (modifiers & Qt::ShiftModifier)
        names += "Shift+";
    if (modifiers & Qt::ControlModifier)
        names += "Ctrl+";
    if (modifiers & Qt::AltModifier)
        names += "Alt+";
    if (modifiers & Qt::KeypadModifier)
        names += "Keypad+";
    return names;
}

QString describe(const Action &a)
{
    const QString list = QString::fromLatin1(dropDownNames[std::clamp(a.number, 0, 2)]);
    switch (a.kind) {
    case Action::PickByKeys:
        return QStringLiteral("pick %1 in the %2 list with the arrow keys")
            .arg(quoted(a.text), list);
    case Action::PickByWheel:
        return QStringLiteral("turn the mouse wheel %1 over the %2 list")
            .arg(a.other > 0 ? "down" : "up", list);
    case Action::PickFromPopup:
        return QStringLiteral("open the %2 list and choose %1").arg(quoted(a.text), list);
    case Action::CancelPopup:
        return QStringLiteral("open the %1 list, move %2 down and close it with F4")
            .arg(list)
            .arg(a.other);
    case Action::Type: return QStringLiteral("type %1 in the search box").arg(quoted(a.text));
    case Action::Compose:
        return QStringLiteral("enter %1 in the search box through the input method")
            .arg(quoted(a.text));
    case Action::Backspace:
        return QStringLiteral("press Backspace %1 times in the search box").arg(a.number);
    case Action::DeleteForward:
        return QStringLiteral("press Delete %1 times in the search box").arg(a.number);
    case Action::Home: return QStringLiteral("press Home in the search box");
    case Action::End: return QStringLiteral("press End in the search box");
    case Action::SelectAllDelete: return QStringLiteral("press Ctrl+A, Delete in the search box");
    case Action::Paste: return QStringLiteral("paste %1 into the search box").arg(quoted(a.text));
    case Action::PasteOverAll:
        return QStringLiteral("press Ctrl+A and paste %1 into the search box").arg(quoted(a.text));
    case Action::ResetSearch:
        return QStringLiteral("press \"Reset Search\" %1")
            .arg(a.other ? "with the Space key" : "with the mouse");
    case Action::ResetSort:
        return QStringLiteral("press \"Reset Sort Criteria\" %1")
            .arg(a.other ? "with the Space key" : "with the mouse");
    case Action::ClickHeader: return QStringLiteral("click the header of column %1").arg(a.number);
    case Action::ClickRow:
        return QStringLiteral("click the row at position %1, cell %2")
            .arg(a.number)
            .arg(a.other + 1);
    case Action::DoubleClickRow:
        return QStringLiteral("double-click the row at position %1, cell %2")
            .arg(a.number)
            .arg(a.other + 1);
    case Action::ClickEmpty: return QStringLiteral("click the empty part of the list");
    case Action::DoubleClickEmpty: return QStringLiteral("double-click the empty part of the list");
    case Action::KeyInList:
        return QStringLiteral("press %1%2 in the list%3")
            .arg(modifierNames(a.modifiers), QKeySequence(a.key).toString())
            .arg(a.other > 1 ? QStringLiteral(", held for %1 key-downs").arg(a.other) : QString());
    case Action::Resize:
        return QStringLiteral("resize the window to %1 x %2")
            .arg(a.size.width())
            .arg(a.size.height());
    case Action::Minimise: return QStringLiteral("minimise the window");
    case Action::Restore: return QStringLiteral("restore the window");
    case Action::ShellAnswer:
        return QStringLiteral("let the shell answer %1 from now on").arg(a.number);
    }
    return QString();
}

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

// Drives one window through actions and compares it with the model after each.
class Session
{
public:
    Session()
        : m_driver(std::make_unique<WindowDriver>())
        , m_model(window::MainForm::designClientSize)
    {
    }

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

    // Does the action if a user can do it now; returns the first difference.
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
    bool minimised() const { return m_model.minimised(); }
    const QStringList &dropDownOrder(int list) const { return m_order[list]; }
    QString tally() const;
    int performed() const { return m_performedCount; }

private:
    window::MainForm &form() { return m_driver->form(); }
    window::PickList *dropDown(int list) const
    {
        switch (list) {
        case trackList: return m_driver->tracks();
        case timeslotList: return m_driver->timeslots();
        default: return m_driver->sessions();
        }
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
            QStringList shown;
            for (int i = 0; i < dropDown(list)->count(); ++i)
                shown.append(dropDown(list)->itemText(i));
            QStringList sortedShown = shown;
            QStringList sortedEntries = SessionModel::papers().codeLists[list];
            sortedShown.sort();
            sortedEntries.sort();
            if (sortedShown != sortedEntries)
                return QStringLiteral("the %1 list holds other entries than its code list")
                    .arg(dropDownNames[list]);
            m_order[list] = shown;
        }
        return QString();
    }

    bool apply(const Action &a);
    bool applyToDropDown(const Action &a);
    bool applyToSearchBox(const Action &a);
    bool applyToList(const Action &a);
    bool applyToWindow(const Action &a);
    bool pickFromPopup(window::PickList *list, int target);
    bool closePopupWithoutChoosing(window::PickList *list, int moves);
    bool pressButton(const char *name, bool byKeyboard);
    bool rowPoint(int position, int cell, QPoint *point);
    bool emptyPoint(QPoint *point);
    bool headerPoint(int column, QPoint *point);
    bool reachable(QWidget *widget, QPoint point);
    void doubleClick(QWidget *widget, QPoint point);
    void resizeTo(QSize size);

    QString compare();
    QString compareRows();
    QString compareControls();
    QString compareRequests();
    QString compareLayout();
    QString compareLaidOut(const Snapshot &now);
    Snapshot snapshot();

    std::unique_ptr<WindowDriver> m_driver;
    SessionModel m_model;
    std::array<QStringList, 3> m_order;
    Snapshot m_last;
    int m_layoutsSeen = 0;
    int m_sinceSettled = 0;
    std::map<int, int> m_performed; // by kind
    std::map<int, int> m_skipped;   // by kind
    int m_performedCount = 0;
    qint64 m_shownRows = 0;
};

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

void typeKeys(QWidget *box, const QString &text)
{
    for (const char32_t point : text.toUcs4()) {
        const QString character = QString::fromUcs4(&point, 1);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
        QApplication::sendEvent(box, &release);
    }
}

void composeText(QWidget *box, const QString &text)
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
        typeKeys(box, a.text);
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
            doubleClick(viewport, point);
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
            doubleClick(viewport, point);
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

// A user's double click: press, release, the double click, release.
void Session::doubleClick(QWidget *widget, QPoint point)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
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

QString cellsText(const QStringList &cells)
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
bool wholePixels(double shown, double exact)
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

// Picks the actions of a session from one seeded generator.
class ActionSource
{
public:
    explicit ActionSource(quint32 seed)
        : m_random(seed)
    {
    }

    Action next(const Session &session);

private:
    int below(int n) { return int(m_random() % quint32(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T>
    const T &oneOf(const QList<T> &items)
    {
        return items[below(int(items.size()))];
    }

    Action widening(const Session &session);
    Action dropDownAction(const Session &session);
    Action searchAction(const Session &session);
    Action listAction(const Session &session);
    Action windowAction(const Session &session);
    QString someText(bool mayBeLong);
    QString fragment();
    QString changeCase(QString text);
    QString longText();
    QSize someSize();

    std::mt19937 m_random;
};

Action ActionSource::next(const Session &session)
{
    if (session.minimised())
        return windowAction(session);
    if (session.model().shownRows().isEmpty() && chance(50))
        return widening(session);
    const int roll = below(100);
    if (roll < 18)
        return dropDownAction(session);
    if (roll < 55)
        return searchAction(session);
    if (roll < 88)
        return listAction(session);
    return windowAction(session);
}

// What a user does when the list has become empty: widens the choice again.
Action ActionSource::widening(const Session &session)
{
    const int roll = below(100);
    if (roll < 25 && !session.model().search().isEmpty())
        return {Action::Backspace, 1 + below(5)};
    if (roll < 40)
        return {Action::ResetSearch, 0, below(2)};
    if (roll < 55)
        return {Action::SelectAllDelete};
    if (roll < 75)
        return {Action::PasteOverAll, 0, 0, fragment()};
    if (roll < 90)
        return {Action::ResetSort, 0, below(2)};
    const int list = below(3);
    return {Action::PickByKeys, list, 0, SessionModel::papers().codeLists[list].first()};
}

Action ActionSource::dropDownAction(const Session &session)
{
    const int list = below(3);
    const QStringList &entries = session.dropDownOrder(list);
    int filtersOn = 0;
    for (int i = 0; i < 3; ++i)
        filtersOn += session.model().filter(i) > 0;
    // Mostly one filter at a time, so that the list is seldom empty.
    const QString target = chance(20 + 25 * filtersOn)
                               ? SessionModel::papers().codeLists[list].first()
                               : oneOf(entries);
    const int roll = below(100);
    if (roll < 10)
        return {Action::ResetSort, 0, below(2)};
    if (roll < 60)
        return {Action::PickByKeys, list, 0, target};
    if (roll < 78)
        return {Action::PickByWheel, list, chance(50) ? 1 : -1};
    if (roll < 94)
        return {Action::PickFromPopup, list, 0, target};
    return {Action::CancelPopup, list, below(4)};
}

Action ActionSource::searchAction(const Session &session)
{
    const int length = int(session.model().search().size());
    const int roll = below(100);
    if (roll < 30 && length < 2000)
        return {Action::Type, 0, 0, someText(chance(3))};
    if (roll < 36 && length < 2000)
        return {Action::Compose, 0, 0, someText(false)};
    if (roll < 55)
        return {Action::Backspace, 1 + below(chance(80) ? 3 : 40)};
    if (roll < 61)
        return {Action::DeleteForward, 1 + below(4)};
    if (roll < 66)
        return {Action::Home};
    if (roll < 70)
        return {Action::End};
    if (roll < 77)
        return {Action::SelectAllDelete};
    if (roll < 85 && length < 8000)
        return {Action::Paste, 0, 0, someText(chance(25))};
    if (roll < 90)
        return {Action::PasteOverAll, 0, 0, someText(chance(25))};
    return {Action::ResetSearch, 0, below(2)};
}

Action ActionSource::listAction(const Session &session)
{
    const int rows = int(session.model().shownRows().size());
    const int roll = below(100);
    if (roll < 20)
        return {Action::ClickHeader, 1 + below(6)};
    if (roll < 45 && rows > 0)
        return {Action::ClickRow, below(rows), below(6)};
    if (roll < 55 && rows > 0)
        return {Action::DoubleClickRow, below(rows), below(6)};
    if (roll < 59)
        return {Action::ClickEmpty};
    if (roll < 65)
        return {Action::DoubleClickEmpty};
    Action key{Action::KeyInList};
    static const QList<Qt::KeyboardModifiers> modifiers = {
        Qt::NoModifier,      Qt::NoModifier,  Qt::ShiftModifier,
        Qt::ControlModifier, Qt::AltModifier, Qt::ShiftModifier | Qt::ControlModifier};
    key.modifiers = oneOf(modifiers);
    if (chance(55)) {
        key.key = chance(75) ? Qt::Key_Return : Qt::Key_Enter;
        if (key.key == Qt::Key_Enter)
            key.modifiers |= Qt::KeypadModifier;
        key.other = chance(80) ? 1 : 2 + below(3);
    } else {
        static const QList<int> others = {
            Qt::Key_Down,   Qt::Key_Up,        Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home,
            Qt::Key_End,    Qt::Key_Left,      Qt::Key_Right,    Qt::Key_Space,  Qt::Key_Escape,
            Qt::Key_Delete, Qt::Key_Backspace, Qt::Key_F2,       Qt::Key_F5,     Qt::Key_A,
            Qt::Key_M,      Qt::Key_1,         Qt::Key_Insert,   Qt::Key_Shift,  Qt::Key_Control};
        key.key = oneOf(others);
        key.other = 1;
    }
    return key;
}

Action ActionSource::windowAction(const Session &session)
{
    const int roll = below(100);
    if (session.minimised()) {
        if (roll < 65)
            return {Action::Restore};
        Action resize{Action::Resize};
        resize.size = someSize();
        return resize;
    }
    if (roll < 20) {
        static const QList<int> answers = {42, 31, 31, 2, 32, 33, 0};
        return {Action::ShellAnswer, oneOf(answers)};
    }
    if (roll < 30)
        return {Action::Minimise};
    Action resize{Action::Resize};
    resize.size = someSize();
    return resize;
}

QSize ActionSource::someSize()
{
    static const QList<QSize> edges = {
        {1, 1},     {40, 30},    {101, 700}, {102, 700},   {700, 263},  {700, 264},
        {101, 263}, {102, 264},  {101, 264}, {102, 263},   {102, 308},  {2600, 1800},
        {812, 624}, {1600, 150}, {60, 1400}, {2049, 1601}, {2600, 264}, {102, 1800}};
    const int roll = below(100);
    if (roll < 45)
        return oneOf(edges);
    if (roll < 60)
        return {1 + below(140), 1 + below(320)};
    return {102 + below(1500), 264 + below(1000)};
}

QString ActionSource::someText(bool mayBeLong)
{
    static const QStringList ascii = {"a",    "e",    "n", "in",  "the", "of", "Re", "x",
                                      "Z",    "q",    "-", ",",   ":",   "(",  "'",  "1",
                                      "2002", ".doc", "&", "s&t", "?",   "/",  "~"};
    static const QStringList accented = {"é", "É", "ö", "Ö", "ü", "Ü", "ø", "Ø", "å",
                                         "Å", "ß", "ç", "Ç", "ñ", "ð", "Þ", "þ", "´",
                                         "à", "À", "æ", "Æ", "ÿ", "î", "Î"};
    static const QStringList beyond = {"α", "Ω", "ж", "Я", "中文", "日本語", "ł",
                                       "Ł", "ő", "Ş", "ğ", "č",    "€",      "—",
                                       "…", "“", "”", "™", "ā",    "Ɛ",      "ᵃ"};
    static const QStringList emoji = {"😀",           "🎉",    "👍🏽", "🇩🇰",
                                      "👩‍🔬", "🧪", "❤️",   "𝔸"};
    static const QStringList rightToLeft = {"שלום", "עברית", "مرحبا", "سلام", "ש", "ب", "שלום ab"};
    static const QStringList combining = {"e\u0301", "a\u0308", "o\u0303", "\u0301",
                                          "\u0327",  "n\u0303", "u\u0308", "A\u030A"};
    static const QStringList blanks = {" ", " ", "  ", "   ", "\u00A0", " \u00A0 "};
    if (mayBeLong)
        return longText();
    const int roll = below(100);
    if (roll < 45)
        return fragment();
    if (roll < 58)
        return changeCase(oneOf(ascii));
    if (roll < 68)
        return oneOf(accented);
    if (roll < 75)
        return oneOf(beyond);
    if (roll < 80)
        return oneOf(emoji);
    if (roll < 85)
        return oneOf(rightToLeft);
    if (roll < 91)
        return oneOf(combining);
    return oneOf(blanks);
}

// A piece of a real given name, family name or title, so searches often match.
QString ActionSource::fragment()
{
    const Paper &paper = oneOf(SessionModel::papers().rows);
    const int which = below(10);
    const QString cell = which < 3 ? paper.firstname : which < 6 ? paper.lastname : paper.title;
    if (chance(10))
        return chance(70) ? cell : paper.cells[1]; // the whole cell, or the author as shown
    const int start = below(int(cell.size()));
    const int length = 1 + below(std::min(12, int(cell.size()) - start));
    return changeCase(cell.mid(start, length));
}

// Changes case only where both letters lie in the catalogue's character range.
QString ActionSource::changeCase(QString text)
{
    const int how = below(4);
    for (QChar &c : text) {
        const bool upper = how == 1 || (how == 3 && chance(50));
        const QChar changed = how == 0 ? c : upper ? c.toUpper() : c.toLower();
        if (changed.unicode() <= 0xff)
            c = changed;
    }
    return text;
}

QString ActionSource::longText()
{
    const int length = 250 + below(2750);
    QString text;
    if (chance(50)) {
        const QString piece = fragment() + (chance(50) ? QStringLiteral(" ") : QString());
        while (text.size() < length)
            text += piece;
    } else {
        while (text.size() < length)
            text += QChar(0x20 + below(0x5f));
    }
    return text.left(length);
}

struct Outcome
{
    int failedAt = -1; // index of the action after which the window differed; -2 before any
    QString difference;
};

Outcome replay(const QList<Action> &actions)
{
    warnings.clear();
    Session session;
    if (QString wrong = session.start(); !wrong.isEmpty())
        return {-2, wrong};
    for (int i = 0; i < actions.size(); ++i) {
        if (QString wrong = session.perform(actions[i]); !wrong.isEmpty())
            return {i, wrong};
    }
    return {};
}

// Delta debugging: drops chunks of actions while the window still differs.
QList<Action> shrink(QList<Action> actions, Outcome *outcome, int *replays)
{
    int chunks = 2;
    while (actions.size() >= 2 && *replays < 1500) {
        const int chunk = int((actions.size() + chunks - 1) / chunks);
        bool reduced = false;
        for (int start = 0; start < actions.size() && !reduced; start += chunk) {
            QList<Action> candidate = actions.mid(0, start) + actions.mid(start + chunk);
            ++*replays;
            const Outcome tried = replay(candidate);
            if (tried.failedAt == -1)
                continue;
            actions = candidate.mid(0, tried.failedAt + 1);
            *outcome = tried;
            chunks = std::max(chunks - 1, 2);
            reduced = true;
        }
        if (!reduced) {
            if (chunks >= actions.size())
                break;
            chunks = std::min(chunks * 2, int(actions.size()));
        }
    }
    return actions;
}

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

} // namespace

class TestRandomSession : public QObject
{
    Q_OBJECT

public:
    static void initMain();

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomSession_data();
    void randomSession();
};

// Qt Test's watchdog times all seeds of the one test function together, five
// minutes by default: a longer run is given a budget that grows with it, of
// 20 ms an action and five minutes for shrinking a failure.
void TestRandomSession::initMain()
{
    if (qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        return;
    const qint64 seeds = fromEnvironment("BREVANOR_RANDOM_SEEDS", 5);
    const qint64 actions =
        fromEnvironment("BREVANOR_RANDOM_ACTIONS", BREVANOR_RANDOM_ACTIONS_PER_SEED);
    const qint64 budget = std::max<qint64>(seeds * actions * 20, 5 * 60 * 1000) + 5 * 60 * 1000;
    qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(budget));
}

void TestRandomSession::initTestCase()
{
    // The list's order and the case rules are the user's locale; fix one.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    previousHandler = qInstallMessageHandler(collectWarnings);
}

void TestRandomSession::cleanupTestCase()
{
    qInstallMessageHandler(previousHandler);
}

void TestRandomSession::randomSession_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("actions");
    const int first = fromEnvironment("BREVANOR_RANDOM_SEED", 1);
    const int seeds = fromEnvironment("BREVANOR_RANDOM_SEEDS", 5);
    const int actions =
        fromEnvironment("BREVANOR_RANDOM_ACTIONS", BREVANOR_RANDOM_ACTIONS_PER_SEED);
    for (int seed = first; seed < first + seeds; ++seed)
        QTest::addRow("seed %d", seed) << quint32(seed) << actions;
}

void TestRandomSession::randomSession()
{
    QFETCH(quint32, seed);
    QFETCH(int, actions);
    ActionSource source(seed);
    warnings.clear();
    Session session;
    const QString wrongAtStart = session.start();
    QVERIFY2(wrongAtStart.isEmpty(), qPrintable(wrongAtStart));
    QList<Action> done;
    Outcome outcome;
    // Only what a user could do at the time counts towards the actions asked for.
    for (int i = 0; session.performed() < actions && outcome.failedAt == -1; ++i) {
        done.append(source.next(session));
        if (QString wrong = session.perform(done.last()); !wrong.isEmpty())
            outcome = {i, wrong};
    }
    qInfo("%s", qPrintable(session.tally()));
    if (outcome.failedAt == -1)
        return;
    const int failedAt = outcome.failedAt;
    const int performed = session.performed();
    int replays = 0;
    const QList<Action> shortest = shrink(done, &outcome, &replays);
    QString report = QStringLiteral("Seed %1: after %2 actions the window differs from the rules.\n"
                                    "Shortest sequence found (%3 actions, %4 replays):\n")
                         .arg(seed)
                         .arg(failedAt + 1)
                         .arg(shortest.size())
                         .arg(replays);
    for (int i = 0; i < shortest.size(); ++i)
        report += QStringLiteral("  %1. %2\n").arg(i + 1).arg(describe(shortest[i]));
    report += QStringLiteral("Then %1\nRerun: BREVANOR_RANDOM_SEED=%2 BREVANOR_RANDOM_SEEDS=1 "
                             "BREVANOR_RANDOM_ACTIONS=%3")
                  .arg(outcome.difference)
                  .arg(seed)
                  .arg(performed);
    QFAIL(qPrintable(report));
}

QTEST_MAIN(TestRandomSession)
#include "tst_randomsession.moc"
