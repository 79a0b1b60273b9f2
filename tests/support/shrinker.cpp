// SPDX-License-Identifier: GPL-3.0-or-later
#include "shrinker.h"

#include "windowsession.h"

namespace randomsession {

Outcome replay(const QList<Action> &actions)
{
    Session session;
    if (QString wrong = session.start(); !wrong.isEmpty())
        return {-2, wrong};
    for (int i = 0; i < actions.size(); ++i) {
        if (QString wrong = session.perform(actions[i]); !wrong.isEmpty())
            return {i, wrong};
    }
    return {};
}

// Delta debugging: drops chunks of actions while the window still differs.
QList<Action> shrink(QList<Action> actions, Outcome *outcome, int *replays)
{
    int chunks = 2;
    while (actions.size() >= 2 && *replays < 1500) {
        const int chunk = int((actions.size() + chunks - 1) / chunks);
        bool reduced = false;
        for (int start = 0; start < actions.size() && !reduced; start += chunk) {
            QList<Action> candidate = actions.mid(0, start) + actions.mid(start + chunk);
            ++*replays;
            const Outcome tried = replay(candidate);
            if (tried.failedAt == -1)
                continue;
            actions = candidate.mid(0, tried.failedAt + 1);
            *outcome = tried;
            chunks = std::max(chunks - 1, 2);
            reduced = true;
        }
        if (!reduced) {
            if (chunks >= actions.size())
                break;
            chunks = std::min(chunks * 2, int(actions.size()));
        }
    }
    return actions;
}

} // namespace randomsession
