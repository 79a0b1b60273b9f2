// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/catalogue.h"
#include "selection/textcontrol.h"

#include <QComboBox>

namespace window {

// A drop-down list the user can only pick from. It raises click when the user
// picks an entry and, at once, when code sets its text to one of its entries.
// Its open list closes the same way on every Qt version: F4, Alt+Up, Alt+Down
// and Enter pick the highlighted entry, Escape keeps the shown one. Qt 6.4 and
// 6.8 leave it open on Alt+Up; Qt 6.4 closes it unpicked on F4 and Alt+Down.
// Assistive technology reads it as a combo box named by its label whose text
// is the entry it shows.
class PickList : public QComboBox, public selection::TextControl
{
    Q_OBJECT

public:
    explicit PickList(QWidget *parent = nullptr);

    void AddItem(const QString &text) { addItem(text); }
    QString text() const override { return currentText(); }
    // Throws errors::PropertyReadOnlyError when the text is none of the entries.
    void setText(const QString &text) override;

signals:
    void click();

protected:
    void wheelEvent(QWheelEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void closeOpenList(bool pickHighlighted);
    void announceShownEntry();

    QString m_lastAnnouncedEntry;
};

// Offers the first `count` entries of a code list and shows entry 0, which
// raises the pick list's Click.
template<int Size>
void fillPickList(PickList &pickList, const catalogue::CellList<Size> &codes, int count)
{
    for (int i = 0; i < count; ++i)
        pickList.AddItem(codes(i).text());
    pickList.setText(codes(0).text());
}

} // namespace window
