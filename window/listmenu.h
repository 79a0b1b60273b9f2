// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

namespace catalogue {
struct Catalogue;
}

namespace resultlist {
class ReportList;
}

namespace window {

// The result list's context menu: open the chosen paper, open it with another
// application, show it in its folder, copy the marked row, its paper's
// reference or BibTeX entry, or sort by any column. The list's copy keys copy
// as its Copy and Copy Citation do.
class ListMenu : public QMenu
{
    Q_OBJECT

public:
    ListMenu(resultlist::ReportList &list, const catalogue::Catalogue &state);

signals:
    void open();
    void openWith();
    void showInFolder();
    void sortBy(int headerIndex);

private:
    void copyMarkedRow();
    void copyCitation();
    void copyBibtex();
    void openAt(const QPoint &globalPos, bool byKeyboard);
    void refresh();

    resultlist::ReportList &m_list;
    const catalogue::Catalogue &m_state;
    QAction *m_open;
    QAction *m_openWith;
    QAction *m_showInFolder;
    QAction *m_copy;
    QAction *m_copyCitation;
    QAction *m_copyBibtex;
    QMenu *m_sortBy;
};

} // namespace window
