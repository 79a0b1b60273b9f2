// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowclipboard.h"

#include "bibtexentry.h"
#include "citation.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace documents {

namespace {

void putOnClipboard(const QString &text, const QString &html)
{
    auto *data = new QMimeData;
    data->setText(text);
    if (!html.isEmpty())
        data->setHtml(html);
    QGuiApplication::clipboard()->setMimeData(data);
}

// The one-row table of the cells, for pastes that keep tables.
QString rowHtml(const QStringList &cells)
{
    QString row;
    for (const QString &cell : cells)
        row += QStringLiteral("<td>%1</td>").arg(cell.toHtmlEscaped());
    return QStringLiteral("<table><tr>%1</tr></table>").arg(row);
}

} // namespace

void copyRow(const QStringList &cells)
{
    if (cells.isEmpty())
        return;
    putOnClipboard(cells.join(u'\t') + u'\n', rowHtml(cells));
}

void copyCitation(const Paper &paper)
{
    const Citation citation(paper);
    putOnClipboard(citation.text(), citation.html());
}

void copyBibtex(const Paper &paper, const QString &key)
{
    putOnClipboard(BibtexEntry(paper, key).text(), {});
}

} // namespace documents
