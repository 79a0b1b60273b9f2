// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "actionsource.h"

#include <QList>

namespace randomsession {

struct Outcome
{
    int failedAt = -1; // index of the action after which the window differed; -2 before any
    QString difference;
};

// Runs the actions on a fresh window; where the window first differs, if it does.
Outcome replay(const QList<Action> &actions);
// The shortest part of the actions found that still fails, with its outcome.
QList<Action> shrink(QList<Action> actions, Outcome *outcome, int *replays);

} // namespace randomsession
