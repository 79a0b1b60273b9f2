// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cataloguenames.h"
#include "designfacts.h"

#include <QCollator>
#include <QList>
#include <QLocale>
#include <QSize>
#include <QStringList>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>

// The rules of the program alone, as a random session checks the window
// against them: which rows the filters and the search let through, how the
// list orders them, what a row shows, what a click remembers and what an
// open request asks the shell, and how the list and the dividing lines follow
// the window's size.
namespace randomsession {

using facts::columnShares;
using facts::openWithCommand;
using facts::pixelsPerUnitX;
using facts::pixelsPerUnitY;
using facts::startColumnWidths;
constexpr int maxSearchLength = 30000; // the box holds a little more; a user stops earlier

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
struct Papers
{
    Papers()
        : codeLists{QStringList(catalogue::trackNames.begin(), catalogue::trackNames.end()),
                    QStringList(catalogue::timeslotNames.begin(), catalogue::timeslotNames.end()),
                    QStringList(catalogue::sessionNames.begin(), catalogue::sessionNames.end())}
    {
        for (const catalogue::BuiltinRow &row : catalogue::builtinRows)
            rows.append(paperOf(row));
        // Ordering a subset keeps the relative order it has in the whole list,
        // since the sort is stable: rows with equal texts stay in catalogue order.
        QCollator collator = cataloguenames::readersCollator();
        collator.setNumericMode(false);
        for (int key = 0; key < 6; ++key) {
            for (int direction : {0, 1}) {
                QList<int> &order = orders[key][direction];
                order.resize(rows.size());
                std::iota(order.begin(), order.end(), 0);
                std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
                    const int c = collator.compare(rows[a].cells[key], rows[b].cells[key]);
                    return direction == 0 ? c < 0 : c > 0;
                });
            }
        }
    }

    Paper paperOf(const catalogue::BuiltinRow &row) const
    {
        const auto code = [](const char *text) { return int(QByteArray(text).toShort()); };
        const std::array<int, 3> codes{code(row.track), code(row.timeslot), code(row.session)};
        const QStringList cells{row.file,
                                QString(row.lastname) + ", " + row.firstname,
                                row.title,
                                codeLists[trackList].at(codes[0]),
                                codeLists[sessionList].at(codes[2]),
                                codeLists[timeslotList].at(codes[1])};
        return {row.firstname, row.lastname, row.title, codes, cells};
    }

    QList<Paper> rows;
    std::array<QStringList, 3> codeLists; // the entries of the three drop-down lists
    QList<int> orders[6][2];              // the rows' indexes by sort key and order
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
        layOut();
    }

    static const Papers &papers()
    {
        static const Papers papers;
        return papers;
    }

    // The drop-down lists: the code is the index of the entry with that text.
    void pick(int list, const QString &text)
    {
        m_filter[list] = int(papers().codeLists[list].indexOf(text));
    }
    void resetFilters() { m_filter = {0, 0, 0}; }

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
        m_sortOrder = m_sortKey == column - 1 ? 1 - m_sortOrder : 0;
        m_sortKey = column - 1;
    }
    void clickRow(int position)
    {
        m_chosenRow = shownRows().at(position);
        m_selectedFile = m_chosenRow.first();
    }
    void open()
    {
        const QString file = m_selectedFile.value_or(QString());
        m_requests.append(file);
        if (m_shellAnswer == 31)
            m_started.append(openWithCommand + file);
        else if (m_shellAnswer <= 32 && !file.isEmpty()) // a failure, told to the user
            ++m_notices;
    }
    void setShellAnswer(int answer) { m_shellAnswer = answer; }

    // The window's size and state.
    void resize(QSize clientSize)
    {
        m_size = clientSize;
        layOut();
    }
    void setMinimised(bool minimised)
    {
        m_minimised = minimised;
        layOut();
    }

    QList<QStringList> shownRows() const
    {
        QList<QStringList> shown;
        for (int row : papers().orders[m_sortKey][m_sortOrder]) {
            if (passesFilters(papers().rows[row]) && containsSearch(papers().rows[row]))
                shown.append(papers().rows[row].cells);
        }
        return shown;
    }

    int filter(int list) const { return m_filter[list]; }
    QString dropDownText(int list) const { return papers().codeLists[list].at(m_filter[list]); }
    const QString &search() const { return m_search; }
    int cursor() const { return m_cursor; }
    std::optional<QString> selectedFile() const { return m_selectedFile; }
    // The row clicked last, marked and current wherever the list shows it.
    QStringList markedRow() const
    {
        return shownRows().contains(m_chosenRow) ? m_chosenRow : QStringList();
    }
    int sortKey() const { return m_sortKey; }
    int sortOrder() const { return m_sortOrder; }
    QSize size() const { return m_size; }
    bool minimised() const { return m_minimised; }
    const Layout &layout() const { return m_layout; }
    int layouts() const { return m_layouts; }
    const QStringList &requests() const { return m_requests; }
    const QStringList &started() const { return m_started; }
    int notices() const { return m_notices; }

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
    QString m_search;
    int m_cursor = 0;
    std::optional<QString> m_selectedFile;
    QStringList m_chosenRow;
    int m_sortKey = 1;
    int m_sortOrder = 0;
    int m_shellAnswer = 42;
    QSize m_size;
    bool m_minimised = false;
    Layout m_layout{11475 / 15.225, 5295 / 15.39998, 11760 / 15.225, true};
    int m_layouts = 0;
    QStringList m_requests;
    QStringList m_started;
    int m_notices = 0;
};

} // namespace randomsession
