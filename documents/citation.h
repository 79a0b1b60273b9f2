// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "paper.h"

#include <QString>

namespace documents {

// The name of the conference as references give it.
inline const QString conferenceName = QStringLiteral("4th Brevanor Conference 2002");
inline const QString conferenceYear = QStringLiteral("2002");

// The month and day a time slot names, such as "November" and "8" for
// "Friday 8 Nov., 09:00-10:40"; empty texts for a slot without a date.
struct SlotDate
{
    QString month;
    QString day;
};
SlotDate dateOfSlot(const QString &timeslot);

// A paper's reference in an author-date style: family names with initials,
// the year and day, the title, the kind of work, the conference, its track
// and session.
class Citation
{
public:
    explicit Citation(const Paper &paper);

    QString text() const;
    // The same reference, the title in italics, for a paste that keeps styles.
    QString html() const;

private:
    QString authors() const;
    QString date() const;
    QString where() const;

    Paper m_paper;
};

// "Hans-Christian" gives "H.-C.", "Maria Teresa" "M. T.", "J.R." "J. R.".
QString initialsOf(const QString &givenNames);

} // namespace documents
