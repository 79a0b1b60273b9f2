#include "picklist.h"

#include "errors/runtimeerror.h"

namespace window {

PickList::PickList(QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    connect(this, &QComboBox::activated, this, &PickList::click);
}

void PickList::setText(const QString &text)
{
    const int entry = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (entry < 0)
        throw errors::PropertyReadOnlyError();
    setCurrentIndex(entry);
    emit click();
}

} // namespace window
