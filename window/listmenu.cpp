// SPDX-License-Identifier: GPL-3.0-or-later
#include "listmenu.h"

#include "catalogue/catalogue.h"
#include "documents/bibtexkeys.h"
#include "documents/rowclipboard.h"
#include "resultlist/reportlist.h"

#include <algorithm>

namespace window {

ListMenu::ListMenu(resultlist::ReportList &list, const catalogue::Catalogue &state)
    : QMenu(&list)
    , m_list(list)
    , m_state(state)
    , m_open(addAction(QStringLiteral("Open"), this, &ListMenu::open))
    , m_openWith(addAction(QStringLiteral("Open With\u2026"), this, &ListMenu::openWith))
    , m_showInFolder(addAction(QStringLiteral("Show in Folder"), this, &ListMenu::showInFolder))
    , m_copy(addAction(QStringLiteral("Copy"), this, &ListMenu::copyMarkedRow))
    , m_copyCitation(addAction(QStringLiteral("Copy Citation"), this, &ListMenu::copyCitation))
    , m_copyBibtex(addAction(QStringLiteral("Copy BibTeX"), this, &ListMenu::copyBibtex))
    , m_sortBy(addMenu(QStringLiteral("Sort by")))
{
    setObjectName(QStringLiteral("ListMenu"));
    insertSeparator(m_copy);
    insertSeparator(m_sortBy->menuAction());
    // Shown as the keys that do the same in the list; the list reads them itself.
    m_open->setShortcut(QKeySequence(Qt::Key_Enter));
    m_copy->setShortcut(QKeySequence::Copy);
    m_copyCitation->setShortcut(resultlist::ReportView::citationKeys());
    connect(this, &QMenu::aboutToShow, this, &ListMenu::refresh);
    connect(&list, &resultlist::ReportList::menuRequested, this, &ListMenu::openAt);
    connect(&list, &resultlist::ReportList::copyRequested, this, &ListMenu::copyMarkedRow);
    connect(&list, &resultlist::ReportList::citationRequested, this, &ListMenu::copyCitation);
}

void ListMenu::copyMarkedRow()
{
    documents::copyRow(m_list.markedCells());
}

void ListMenu::copyCitation()
{
    const QString file = m_list.markedCells().value(0);
    if (!file.isEmpty())
        documents::copyCitation(documents::paperOf(m_state, file));
}

void ListMenu::copyBibtex()
{
    const QString file = m_list.markedCells().value(0);
    if (file.isEmpty())
        return;
    // Keys are told apart over every paper of the catalogue.
    const documents::BibtexKeys keys(documents::allPapers(m_state));
    documents::copyBibtex(documents::paperOf(m_state, file), keys.keyOf(file));
}

void ListMenu::openAt(const QPoint &globalPos, bool byKeyboard)
{
    popup(globalPos);
    // From the keyboard the first item that can be chosen is highlighted at
    // once, so that a screen reader says where the keys are.
    if (!byKeyboard)
        return;
    const QList<QAction *> items = actions();
    const auto first = std::find_if(items.cbegin(), items.cend(), [](const QAction *item) {
        return item->isEnabled() && !item->isSeparator();
    });
    if (first != items.cend())
        setActiveAction(*first);
}

// The items follow the list as it is when the menu opens.
void ListMenu::refresh()
{
    const bool chosen = !m_state.selectedfile.text().isEmpty();
    m_open->setEnabled(chosen);
    m_openWith->setEnabled(chosen);
    m_showInFolder->setEnabled(chosen);
    const bool marked = m_list.markedPosition() >= 0;
    for (QAction *copy : {m_copy, m_copyCitation, m_copyBibtex})
        copy->setEnabled(marked);
    m_sortBy->clear();
    for (int column = 1; column <= m_list.columnHeaderCount(); ++column) {
        QAction *item = m_sortBy->addAction(m_list.columnCaption(column), this,
                                            [this, column] { emit sortBy(column); });
        item->setCheckable(true);
        item->setChecked(m_list.isSorted() && m_list.sortKey() == column - 1);
    }
}

} // namespace window
