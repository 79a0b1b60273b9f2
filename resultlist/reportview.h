// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QTreeView>

#include <cstdint>

namespace resultlist {

class LegibleCellDelegate;
class ReaderNotices;

// The list's view: rows chosen whole, one at a time, where whatever marks a
// row chooses it; the keys and presses the program reads told as its events.
class ReportView : public QTreeView
{
    Q_OBJECT

public:
    explicit ReportView(QWidget *parent = nullptr);

    // The keys that copy the marked row's reference.
    static QKeySequence citationKeys() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C); }

    // Makes the row at a display position current, marks it and chooses it
    // (ItemClick), as a click on it does.
    void chooseRow(int position);

    // Type-ahead goes by file names, whichever cell of the row is current.
    void keyboardSearch(const QString &search) override;
    // Rows are chosen whole: bringing one into view scrolls up or down, never sideways.
    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

    // The row the user marked, by display position; -1 when none is.
    int markedPosition() const;
    bool isRowMarked(int position) const;

    // Highlights the text in the author and title cells that hold it, in any
    // case; an empty text highlights nothing.
    void highlightMatches(const QString &text);

    // What screen readers are told of the list.
    ReaderNotices &readerNotices() { return *m_notices; }

signals:
    void columnClick(int headerIndex);
    void itemClick(const QString &itemText);
    void dblClick();
    void keyDown(std::int16_t keyCode, std::int16_t shift);
    // The user asked for the list's context menu, to show at the global point.
    void menuRequested(const QPoint &globalPos, bool byKeyboard);
    // The user asked to copy the marked row, or its paper's reference.
    void copyRequested();
    void citationRequested();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void selectionChanged(const QItemSelection &selected,
                          const QItemSelection &deselected) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    void chooseCurrentRow();
    void emitColumnClick(int logicalIndex);
    QPoint keyboardMenuPoint();

    ReaderNotices *m_notices;
    LegibleCellDelegate *m_cells;
};

} // namespace resultlist
