// SPDX-License-Identifier: GPL-3.0-or-later
#include "legiblecelldelegate.h"

#include "legibility/contrast.h"

#include <QApplication>
#include <QPainter>
#include <QTextLayout>
#include <QtMath>

#include <algorithm>

namespace resultlist {

namespace {

// The cells that hold searched text, by column: the author ("Family, Given",
// as the rows are written) and the title.
constexpr int authorColumn = 1;
constexpr int titleColumn = 2;
const QString nameSeparator = QStringLiteral(", ");
constexpr std::size_t layoutsKept = 1024; // more than the built-in rows' names and titles

QPalette::ColorGroup colorGroup(const QStyleOptionViewItem &option)
{
    if (!(option.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
}

} // namespace

const QColor LegibleCellDelegate::matchColor(0xff, 0xdf, 0x5e);

void LegibleCellDelegate::initStyleOption(QStyleOptionViewItem *option,
                                          const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    if (!index.data(Qt::ForegroundRole).isValid())
        return;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        option->palette.setColor(
            group, QPalette::Text,
            legibility::nearestLegible(option->palette.color(group, QPalette::Text),
                                       option->palette.color(group, QPalette::Base)));
    }
}

// The cell as the style draws it; then, within each match only, the
// highlight and on it the same letters, laid out once, in the list's text
// colour, where the style put them.
void LegibleCellDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                const QModelIndex &index) const
{
    QStyledItemDelegate::paint(painter, option, index);
    if (m_matchText.isEmpty() || (index.column() != authorColumn && index.column() != titleColumn))
        return;
    const QList<Span> spans = matchesIn(index, index.data().toString());
    if (spans.isEmpty())
        return;
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QTextLayout &layout = laidOut(cell.text, cell.font);
    const QTextLine line = layout.lineAt(0);
    QPoint origin;
    const QRegion region = spanRegion(cell, line, spans, &origin);
    const QColor text = cell.palette.color(colorGroup(cell), QPalette::Text);
    const QColor ground = legibility::nearestLegible(matchColor, text);
    painter->save();
    painter->setClipRegion(region, Qt::IntersectClip);
    painter->fillRect(region.boundingRect(), ground);
    painter->setPen(legibility::nearestLegible(text, ground));
    layout.draw(painter, origin);
    painter->restore();
}

// Each text is laid out once for the list's font: the matches of every
// typed character redraw the same texts.
const QTextLayout &LegibleCellDelegate::laidOut(const QString &text, const QFont &font) const
{
    if (font != m_laidOutFont || m_layouts.size() >= layoutsKept) {
        m_layouts.clear();
        m_laidOutFont = font;
    }
    std::unique_ptr<QTextLayout> &layout = m_layouts[text];
    if (!layout) {
        layout = std::make_unique<QTextLayout>(text, font);
        layout->beginLayout();
        layout->createLine();
        layout->endLayout();
    }
    return *layout;
}

QList<LegibleCellDelegate::Span> LegibleCellDelegate::matchesIn(const QModelIndex &index,
                                                                const QString &text) const
{
    QList<Span> spans;
    if (index.column() == titleColumn) {
        findIn(text, 0, int(text.size()), spans);
    } else if (index.column() == authorColumn) {
        // The family and the given name are searched apart, never the two joined.
        const int separator = int(text.indexOf(nameSeparator));
        const int familyEnd = separator < 0 ? int(text.size()) : separator;
        findIn(text, 0, familyEnd, spans);
        if (separator >= 0)
            findIn(text, separator + int(nameSeparator.size()), int(text.size()), spans);
    }
    return spans;
}

void LegibleCellDelegate::findIn(const QString &text, int from, int to, QList<Span> &spans) const
{
    const int length = int(m_matchText.size());
    const QStringView part = QStringView(text).left(to);
    for (qsizetype at = part.indexOf(m_matchText, from, Qt::CaseInsensitive); at >= 0;
         at = part.indexOf(m_matchText, at + length, Qt::CaseInsensitive))
        spans.append({int(at), length});
}

// Where the spans stand in the cell as the style lays its text out, in the
// text rectangle within its margins, and where the text starts (`origin`).
// A text too long for the cell ends in an ellipsis: the letters before it
// are the cell's own.
QRegion LegibleCellDelegate::spanRegion(const QStyleOptionViewItem &option, const QTextLine &line,
                                        const QList<Span> &spans, QPoint *origin)
{
    const QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 1;
    const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &option, option.widget)
                           .adjusted(margin, 0, -margin, 0);
    const bool elided = line.naturalTextWidth() > area.width();
    const qreal room = elided ? area.width() - option.fontMetrics.horizontalAdvance(QChar(0x2026))
                              : line.naturalTextWidth();
    int kept = line.xToCursor(room);
    if (line.cursorToX(kept) > room)
        --kept;
    const QSize size(elided ? area.width() : qCeil(room), option.fontMetrics.height());
    const QRect text = QStyle::alignedRect(option.direction, option.displayAlignment, size, area);
    *origin = text.topLeft();
    QRegion region;
    for (const Span &span : spans) {
        const int end = std::min(span.start + span.length, kept);
        if (end <= span.start)
            continue;
        const int left = text.left() + qFloor(line.cursorToX(span.start));
        const int right = text.left() + qCeil(line.cursorToX(end));
        region += QRect(left, text.top(), right - left, text.height());
    }
    return region;
}

} // namespace resultlist
