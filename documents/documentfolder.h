// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace documents {

// The folder documents are looked for in: the process's current folder, which
// the shell resolves every bare name against. It is the folder the program was
// started from until the user chooses another, which holds for the rest of the
// run; nothing of it is kept for the next.
class DocumentFolder
{
public:
    enum class Move { moved, gone, unreadable };

    DocumentFolder();

    // As the user reads it: in the platform's separators, and named even
    // after the folder itself has been removed.
    QString path() const;
    bool chosen() const { return m_chosen; }
    bool exists() const;
    // Makes the folder the current one; any other answer changes nothing.
    Move moveTo(const QString &folder);

private:
    QString m_path;
    bool m_chosen;
};

} // namespace documents
