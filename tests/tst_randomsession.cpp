// SPDX-License-Identifier: GPL-3.0-or-later
// A long, seeded session of random user actions on the real window, checked
// after every action against a model of what the window must show; a
// failing session is shrunk to the shortest sequence that still fails.
//
// BREVANOR_RANDOM_SEED (first seed), BREVANOR_RANDOM_SEEDS (number of seeds)
// and BREVANOR_RANDOM_ACTIONS (actions per seed) make a longer or a single run.
#include "support/shrinker.h"
#include "support/windowsession.h"

#include <QRegularExpression>

#ifndef BREVANOR_RANDOM_ACTIONS_PER_SEED
#define BREVANOR_RANDOM_ACTIONS_PER_SEED 4000
#endif

using namespace randomsession;

namespace {

int fromEnvironment(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value >= 0 ? value : fallback;
}

const int firstSeed = fromEnvironment("BREVANOR_RANDOM_SEED", 1);
const int seeds = fromEnvironment("BREVANOR_RANDOM_SEEDS", 5);
const int actionsPerSeed =
    fromEnvironment("BREVANOR_RANDOM_ACTIONS", BREVANOR_RANDOM_ACTIONS_PER_SEED);

} // namespace

class TestRandomSession : public QObject
{
    Q_OBJECT

public:
    static void initMain();

private slots:
    void initTestCase();
    void init();
    void randomSession_data();
    void randomSession();
};

// Qt Test's watchdog times all seeds of the one test function together, five
// minutes by default: a longer run is given a budget that grows with it, of
// 20 ms an action and five minutes for shrinking a failure.
void TestRandomSession::initMain()
{
    if (qEnvironmentVariableIsSet("QTEST_FUNCTION_TIMEOUT"))
        return;
    const qint64 fiveMinutes = qint64(5) * 60 * 1000;
    const qint64 budget = std::max(qint64(seeds) * actionsPerSeed * 20, fiveMinutes) + fiveMinutes;
    qputenv("QTEST_FUNCTION_TIMEOUT", QByteArray::number(budget));
}

void TestRandomSession::initTestCase()
{
    // The list's order and the case rules are the user's locale; fix one.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

// Warnings are faults too; the offscreen platform's notes about what it
// cannot do (raise a window, grab the keyboard) are not.
void TestRandomSession::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support)")));
}

void TestRandomSession::randomSession_data()
{
    QTest::addColumn<quint32>("seed");
    for (int seed = firstSeed; seed < firstSeed + seeds; ++seed)
        QTest::addRow("seed %d", seed) << quint32(seed);
}

void TestRandomSession::randomSession()
{
    QFETCH(quint32, seed);
    ActionSource source(seed);
    Session session;
    const QString wrongAtStart = session.start();
    QVERIFY2(wrongAtStart.isEmpty(), qPrintable(wrongAtStart));
    QList<Action> done;
    Outcome outcome;
    // Only what a user could do at the time counts towards the actions asked for.
    for (int i = 0; session.performed() < actionsPerSeed && outcome.failedAt == -1; ++i) {
        done.append(source.next(session));
        if (QString wrong = session.perform(done.last()); !wrong.isEmpty())
            outcome = {i, wrong};
    }
    qInfo("%s", qPrintable(session.tally()));
    if (outcome.failedAt == -1)
        return;
    const int failedAt = outcome.failedAt;
    const int performed = session.performed();
    int replays = 0;
    const QList<Action> shortest = shrink(done, &outcome, &replays);
    QString report = QStringLiteral("Seed %1: after %2 actions the window differs from the rules.\n"
                                    "Shortest sequence found (%3 actions, %4 replays):\n")
                         .arg(seed)
                         .arg(failedAt + 1)
                         .arg(shortest.size())
                         .arg(replays);
    for (int i = 0; i < shortest.size(); ++i)
        report += QStringLiteral("  %1. %2\n").arg(i + 1).arg(describe(shortest[i]));
    report += QStringLiteral("Then %1\nRerun: BREVANOR_RANDOM_SEED=%2 BREVANOR_RANDOM_SEEDS=1 "
                             "BREVANOR_RANDOM_ACTIONS=%3")
                  .arg(outcome.difference)
                  .arg(seed)
                  .arg(performed);
    QFAIL(qPrintable(report));
}

QTEST_MAIN(TestRandomSession)
#include "tst_randomsession.moc"
