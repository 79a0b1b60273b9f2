// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "measuredcelldelegate.h"

#include <QFont>
#include <QTextLayout>

#include <memory>
#include <unordered_map>

namespace resultlist {

// Draws a cell's own text colour where it is legible on the list's ground, as
// the file names' blue is on a light one, and the nearest colour well clear
// of the least legible contrast where it is not; behind each occurrence of
// the searched text in an author's names and a title, a highlight on which
// the list's text stays legible.
class LegibleCellDelegate : public MeasuredCellDelegate
{
public:
    using MeasuredCellDelegate::MeasuredCellDelegate;

    // The highlight's colour where the list's text is dark enough for it.
    static const QColor matchColor;

    // The text to highlight, in any case; none when empty.
    void setMatchText(const QString &text) { m_matchText = text; }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    struct Span
    {
        int start;
        int length;
    };

    QList<Span> matchesIn(const QModelIndex &index, const QString &text) const;
    void findIn(const QString &text, int from, int to, QList<Span> &spans) const;
    static QRegion spanRegion(const QStyleOptionViewItem &option, const QTextLine &line,
                              const QList<Span> &spans, QPoint *origin);

    const QTextLayout &laidOut(const QString &text, const QFont &font) const;

    QString m_matchText;
    mutable std::unordered_map<QString, std::unique_ptr<QTextLayout>> m_layouts;
    mutable QFont m_laidOutFont;
};

} // namespace resultlist
