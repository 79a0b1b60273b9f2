// SPDX-License-Identifier: GPL-3.0-or-later
// Scaling of the list control: clear and append n rows of six cells, sorted
// by the second column, then the first paint, against a sorting tree widget
// receiving the same rows.
#include "support/lazy.h"
#include "support/paintwatch.h"
#include "support/paired.h"
#include "support/rows.h"

#include "resultlist/reportlist.h"
#include "window/userscale.h"

#include <QApplication>
#include <QCollator>
#include <QHeaderView>
#include <QTreeWidget>

#include <cstdio>
#include <map>

namespace {

const QColor fileColor(0, 0, 255);
constexpr QSize listSize(765, 353); // the list's size in the main window
constexpr int counts[] = {178, 1780, 17800, 178000};

// Our list control, set up as the main window sets it up.
class ProgramSide
{
public:
    ProgramSide()
        : m_list(window::pixelsPerUnitX, window::pixelsPerUnitY)
        , m_watch(m_list.viewport())
    {
        const float widths[] = {6, 10, 27, 10, 13, 10};
        for (const QString &caption : listCaptions())
            m_list.addColumnHeader(caption);
        for (int column = 1; column <= 6; ++column)
            m_list.setColumnWidth(column, widths[column - 1]);
        m_list.setSortKey(1);
        m_list.setSorted(true);
        m_list.resize(listSize);
        m_list.show();
        m_watch.waitForPaint();
    }

    double fill(const std::vector<RowCells> &rows)
    {
        return m_watch.secondsUntilPainted([&] {
            resultlist::ReportList::Batch batch(m_list);
            m_list.clearItems();
            for (const RowCells &cells : rows) {
                const int item = m_list.addItem(cells[0]);
                m_list.setItemForeColor(item, fileColor);
                for (int cell = 1; cell < 6; ++cell)
                    m_list.addSubItem(item, cells[std::size_t(cell)]);
            }
        });
    }

    const resultlist::ReportList &list() const { return m_list; }

private:
    resultlist::ReportList m_list;
    PaintWatch m_watch;
};

// The stock tree widget with sorting on by the second column.
class AnchorSide
{
public:
    AnchorSide()
        : m_watch(m_tree.viewport())
    {
        m_tree.setRootIsDecorated(false);
        m_tree.setUniformRowHeights(true);
        m_tree.setHeaderLabels(listCaptions());
        m_tree.setSortingEnabled(true);
        m_tree.sortByColumn(1, Qt::AscendingOrder);
        m_tree.resize(listSize);
        m_tree.show();
        m_watch.waitForPaint();
    }

    double fill(const std::vector<RowCells> &rows)
    {
        return m_watch.secondsUntilPainted([&] { fillTree(m_tree, rows); });
    }

    const QTreeWidget &tree() const { return m_tree; }

private:
    QTreeWidget m_tree;
    PaintWatch m_watch;
};

struct Sides
{
    ProgramSide program;
    AnchorSide anchor;
};

Lazy<Sides> sides;

ProgramSide &program()
{
    return sides.get().program;
}

AnchorSide &anchor()
{
    return sides.get().anchor;
}

// Both sides must show every row, sorted by author, or their times mean nothing.
bool bothShowSortedRows(int count)
{
    const resultlist::ReportList &list = program().list();
    const QTreeWidget &tree = anchor().tree();
    if (list.itemCount() != count || tree.topLevelItemCount() != count) {
        std::fprintf(stderr, "a side does not show %d rows\n", count);
        return false;
    }
    // The list collates as readers expect, in the C locale by English rules.
    const QLocale system;
    QCollator collator(system.language() == QLocale::C ? QLocale(QLocale::English) : system);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    for (int row = 1; row < count; ++row) {
        if (collator.compare(list.cellText(row - 1, 1), list.cellText(row, 1)) > 0) {
            std::fprintf(stderr, "the list is not sorted at row %d\n", row);
            return false;
        }
        if (tree.topLevelItem(row - 1)->text(1) > tree.topLevelItem(row)->text(1)) {
            std::fprintf(stderr, "the tree widget is not sorted at row %d\n", row);
            return false;
        }
    }
    return true;
}

int pairsFor(int count)
{
    return count <= 178 ? 51 : count <= 1780 ? 31 : count <= 17800 ? 11 : 5;
}

std::string nameFor(int count)
{
    return "Scaling/rows:" + std::to_string(count);
}

// At 178 rows no slower than the tree widget; above, at least five times faster.
double limitFor(int count)
{
    return count == 17800 ? 0.2 : count == 178 ? 1.0 : 0;
}

void registerAll()
{
    for (int count : counts) {
        registerPaired(nameFor(count), pairsFor(count), [count](benchmark::State &state) {
            // Two sets of rows: each pair hands both sides the same set and the
            // pairs take the sets in turn, so no side is ever handed the rows
            // it shows already and could reuse work done for them.
            const std::vector<RowCells> rows[] = {syntheticRows(count, 0), syntheticRows(count, 1)};
            int fills = 0;
            const auto next = [&] { return fills++ / 2 % 2; };
            for (const std::vector<RowCells> &set : rows) {
                program().fill(set);
                anchor().fill(set);
                if (!bothShowSortedRows(count)) {
                    state.SkipWithError("a side did not show the rows sorted");
                    return;
                }
            }
            measurePaired(
                state, [&] { return program().fill(rows[next()]); },
                [&] { return anchor().fill(rows[next()]); }, "ms", limitFor(count));
        });
    }
}

// Time per row at 178,000 rows against time per row at 1,780 rows.
void recordGrowth()
{
    std::map<std::string, PairedResult> byName;
    for (const PairedResult &result : pairedResults())
        byName[result.name] = result;
    const auto perRow = [&](int count, bool ofAnchor) {
        const auto found = byName.find(nameFor(count));
        if (found == byName.end())
            return 0.0;
        return (ofAnchor ? found->second.anchor : found->second.program) / count;
    };
    if (perRow(1780, false) > 0 && perRow(178000, false) > 0) {
        for (int count : counts) {
            std::printf("%-44s program %8.3f us/row   anchor %8.3f us/row\n",
                        nameFor(count).c_str(), perRow(count, false) * 1e6,
                        perRow(count, true) * 1e6);
        }
        recordDerived("Scaling/per_row_178000_vs_1780 (program)",
                      perRow(178000, false) / perRow(1780, false), 2.0, "time per row, at most 2x");
        recordDerived("Scaling/per_row_178000_vs_1780 (anchor)",
                      perRow(178000, true) / perRow(1780, true), 0, "for comparison");
    }
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    registerAll();
    const int status = runBenchmarks(argc, argv, "Scaling of the list control", recordGrowth);
    sides.end();
    return status;
}
