// SPDX-License-Identifier: GPL-3.0-or-later
#include "rows.h"

#include "catalogue/builtincontent.h"

#include <QTreeWidget>

#include <cstdlib>
#include <random>

namespace {

const QColor fileColor(0, 0, 255);

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

template<typename Names>
QString nameAt(const Names &names, const char *code)
{
    return utf8(names.at(std::size_t(std::atoi(code))));
}

} // namespace

std::vector<RowCells> builtinListRows()
{
    using namespace catalogue;
    std::vector<RowCells> rows;
    rows.reserve(builtinRows.size());
    for (const BuiltinRow &row : builtinRows) {
        rows.push_back({utf8(row.file),
                        utf8(row.lastname) + QStringLiteral(", ") + utf8(row.firstname),
                        utf8(row.title), nameAt(trackNames, row.track),
                        nameAt(sessionNames, row.session), nameAt(timeslotNames, row.timeslot)});
    }
    return rows;
}

std::vector<RowCells> syntheticRows(int count, unsigned variant)
{
    using namespace catalogue;
    std::mt19937 random(20021106 + variant);
    const auto pick = [&](auto size) { return std::size_t(random() % std::size_t(size)); };
    static const char extensions[][5] = {".doc", ".pdf"};
    std::vector<RowCells> rows;
    rows.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const BuiltinRow &family = builtinRows[pick(builtinRows.size())];
        const BuiltinRow &given = builtinRows[pick(builtinRows.size())];
        const BuiltinRow &paper = builtinRows[pick(builtinRows.size())];
        const QChar initial(u'A' + char16_t(pick(26)));
        rows.push_back({QString::number(i + 2) + QLatin1String(extensions[pick(2)]),
                        utf8(family.lastname) + QStringLiteral(", ") + utf8(given.firstname)
                            + QLatin1Char(' ') + initial + QLatin1Char('.'),
                        utf8(paper.title), utf8(trackNames[1 + pick(trackSlots - 1)]),
                        utf8(sessionNames[1 + pick(sessionSlots - 2)]),
                        utf8(timeslotNames[1 + pick(timeslotSlots - 1)])});
    }
    return rows;
}

QStringList listCaptions()
{
    return {QStringLiteral("Open"),  QStringLiteral("Author"),  QStringLiteral("Title"),
            QStringLiteral("Track"), QStringLiteral("Session"), QStringLiteral("Time slot")};
}

void fillTree(QTreeWidget &tree, const std::vector<RowCells> &rows)
{
    tree.clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(qsizetype(rows.size()));
    for (const RowCells &cells : rows) {
        auto *item = new QTreeWidgetItem(QStringList(cells.begin(), cells.end()));
        item->setForeground(0, fileColor);
        items.append(item);
    }
    tree.addTopLevelItems(items);
}
