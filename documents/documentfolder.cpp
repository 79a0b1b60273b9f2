// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentfolder.h"

#include <QDir>
#include <QFileInfo>

namespace documents {

DocumentFolder::DocumentFolder()
    : m_path(QDir::currentPath())
    , m_chosen(false)
{
}

QString DocumentFolder::path() const
{
    return QDir::toNativeSeparators(m_path);
}

bool DocumentFolder::exists() const
{
    return QFileInfo(m_path).isDir();
}

DocumentFolder::Move DocumentFolder::moveTo(const QString &folder)
{
    // Entering it is the test of reading it: a folder that cannot be entered
    // cannot have a document opened from it by name.
    if (!QFileInfo(folder).isDir())
        return Move::gone;
    if (!QDir::setCurrent(folder))
        return Move::unreadable;
    m_path = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    m_chosen = true;
    return Move::moved;
}

} // namespace documents
