// SPDX-License-Identifier: GPL-3.0-or-later
// The list's sort keys order texts exactly as a case-insensitive collator of
// the same locale compares them.
#include "resultlist/sortkeys.h"

#include <QCollator>
#include <QLocale>
#include <QTest>

using resultlist::SortKeys;

class SortKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void ordersAsTheCollator_data();
    void ordersAsTheCollator();
    void truncatedKeysAreWrittenAgain();
};

void SortKeysTest::ordersAsTheCollator_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("texts");

    const QString longName = QString(300, u'a');
    const QStringList mixed = {
        QStringLiteral("Müller, Anna"),
        QStringLiteral("Muller, Anna"),
        QStringLiteral("MÜLLER, anna"),
        QStringLiteral("Mueller, Anna"),
        QStringLiteral("Mu\u0308ller, Anna"), // decomposed, equal to the precomposed
        QStringLiteral("Ångström, Per"),
        QStringLiteral("Angstrom, Per"),
        QStringLiteral("Øberg, Lis"),
        QStringLiteral("Oberg, Lis"),
        QStringLiteral("Éclair"),
        QStringLiteral("eclair"),
        QStringLiteral("ß"),
        QStringLiteral("ss"),
        QString(),
        QStringLiteral(" "),
        QStringLiteral("10.pdf"),
        QStringLiteral("9.pdf"),
        QStringLiteral("Δέλτα"),
        QStringLiteral("שלום"),
        QStringLiteral("数据库"),
        QStringLiteral("🙂 smile"),
        longName,
        longName + u'b',
        longName.toUpper(),
        longName + QStringLiteral("é"),
    };
    QTest::newRow("mixed texts, en_US") << QStringLiteral("en_US") << mixed;
    QTest::newRow("mixed texts, Swedish") << QStringLiteral("sv_SE") << mixed;
    QTest::newRow("mixed texts, German") << QStringLiteral("de_DE") << mixed;
    // Texts alike in their first bytes decide on the rest of their keys.
    QTest::newRow("shared beginnings")
        << QStringLiteral("en_US")
        << QStringList{QStringLiteral("Andersen, Bo"),    QStringLiteral("Andersen, Bø"),
                       QStringLiteral("Andersen, bo"),    QStringLiteral("Andersen"),
                       QStringLiteral("Andersen, Bo A."), QStringLiteral("ANDERSEN, BO")};
}

void SortKeysTest::ordersAsTheCollator()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, texts);

    QCollator collator{QLocale(locale)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    SortKeys keys{QLocale(locale)};
    for (const QString &text : texts)
        keys.append(text);
    QCOMPARE(keys.size(), texts.size());

    for (qsizetype a = 0; a < texts.size(); ++a) {
        for (qsizetype b = 0; b < texts.size(); ++b)
            QVERIFY2(keys.less(a, b) == (collator.compare(texts[a], texts[b]) < 0),
                     qPrintable(QStringLiteral("\"%1\" before \"%2\"").arg(texts[a], texts[b])));
    }
}

void SortKeysTest::truncatedKeysAreWrittenAgain()
{
    SortKeys keys{QLocale(QLocale::English, QLocale::UnitedStates)};
    keys.append(QStringLiteral("beta"));
    keys.append(QStringLiteral("alpha"));
    keys.append(QStringLiteral("gamma"));
    QVERIFY(keys.less(1, 0));

    // The second row's text changes: its key and those after it go.
    keys.truncate(1);
    QCOMPARE(keys.size(), 1);
    keys.append(QStringLiteral("delta"));
    keys.append(QStringLiteral("aardvark"));
    QVERIFY(keys.less(0, 1));
    QVERIFY(keys.less(2, 0));
    QVERIFY(!keys.less(1, 1));

    keys.truncate(0);
    QCOMPARE(keys.size(), 0);
}

QTEST_GUILESS_MAIN(SortKeysTest)
#include "tst_sortkeys.moc"
