// SPDX-License-Identifier: GPL-3.0-or-later
// The catalogue's access rules: fixed bounds, the cells that stay empty, the
// reading of code texts as 16-bit integers with its errors, and the code lists.
#include "catalogue/builtincontent.h"
#include "catalogue/catalogue.h"
#include "errors/runtimeerror.h"
#include "support/designfacts.h"

#include <QtTest>

#include <functional>

using namespace catalogue;

namespace {

// Runs an access and names the error it raised by its number and message, or
// "none" when it raised none.
QString errorOf(const std::function<void()> &access)
{
    try {
        access();
    } catch (const errors::RuntimeError &error) {
        return QString::number(error.number()) + u' ' + QString::fromUtf8(error.what());
    }
    return QStringLiteral("none");
}

void loadEverything(Catalogue &state)
{
    state.papercount = facts::paperCount;
    writeBuiltinRows(state);
    writeTracks(state);
    writeTimeslots(state);
    writeSessions(state);
}

const Cell &listEntry(const Catalogue &state, const QString &list, int index)
{
    return list == u"tracks"      ? state.tracks(index)
           : list == u"timeslots" ? state.timeslots(index)
                                  : state.sessions(index);
}

// One letter a cell, for how it is filled: e empty, t text, b boolean.
QString kinds(const std::function<const Cell &(int)> &cellAt, int count)
{
    QString result;
    for (int i = 0; i < count; ++i)
        result += cellAt(i).isEmpty() ? u'e' : cellAt(i).isText() ? u't' : u'b';
    return result;
}

// Texts of a code list by their index.
using Texts = QMap<int, QString>;

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheRowsAndNamedSlotsAreFilled_data();
    void onlyTheRowsAndNamedSlotsAreFilled();
    void indexesAreBoundsChecked_data();
    void indexesAreBoundsChecked();
    void codeTextReadsAsInt16_data();
    void codeTextReadsAsInt16();
    void onlyBooleanTrueIsTrue();
    void codeListTexts_data();
    void codeListTexts();
};

void TestCatalogue::onlyTheRowsAndNamedSlotsAreFilled_data()
{
    QTest::addColumn<bool>("loaded");
    QTest::newRow("new catalogue") << false;
    QTest::newRow("loaded catalogue") << true;
}

void TestCatalogue::onlyTheRowsAndNamedSlotsAreFilled()
{
    QFETCH(bool, loaded);
    Catalogue state;
    if (loaded)
        loadEverything(state);
    else
        QCOMPARE(state.papercount, 0);
    QCOMPARE((QList<int>{state.trackfilter, state.timeslotfilter, state.sessionfilter}),
             QList<int>(3, 0));
    // `named` slots hold a text once loaded, the rest stay empty.
    const auto filled = [loaded](int named, int size) {
        return QString(loaded ? named : 0, u't').leftJustified(size, u'e');
    };

    for (int row = 0; row < facts::paperRows; ++row) {
        // Row 0 stays empty; the visible flag is left to the first filter pass.
        QCOMPARE(
            kinds([&](int c) -> const Cell & { return state.papers(row, c); }, facts::paperColumns),
            u'e' + filled(row == 0 ? 0 : facts::paperColumns - 1, facts::paperColumns - 1));
    }
    QCOMPARE(kinds(state.tracks, facts::trackSlots), filled(facts::trackSlots, facts::trackSlots));
    QCOMPARE(kinds(state.timeslots, facts::timeslotSlots),
             filled(facts::timeslotSlots, facts::timeslotSlots));
    QCOMPARE(kinds(state.sessions, facts::sessionSlots),
             filled(facts::sessionSlots - 1, facts::sessionSlots));
    QVERIFY(state.selectedfile.isEmpty());
}

void TestCatalogue::indexesAreBoundsChecked_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("inside");

    QTest::newRow("papers first cell") << "papers" << 0 << 0 << true;
    QTest::newRow("papers last cell") << "papers" << 178 << 7 << true;
    QTest::newRow("papers row -1") << "papers" << -1 << 1 << false;
    QTest::newRow("papers row 179") << "papers" << 179 << 1 << false;
    QTest::newRow("papers column -1") << "papers" << 1 << -1 << false;
    QTest::newRow("papers column 8") << "papers" << 1 << 8 << false;
    QTest::newRow("tracks 14") << "tracks" << 14 << 0 << true;
    QTest::newRow("tracks 15") << "tracks" << 15 << 0 << false;
    QTest::newRow("tracks -1") << "tracks" << -1 << 0 << false;
    QTest::newRow("timeslots 7") << "timeslots" << 7 << 0 << true;
    QTest::newRow("timeslots 8") << "timeslots" << 8 << 0 << false;
    QTest::newRow("timeslots -1") << "timeslots" << -1 << 0 << false;
    QTest::newRow("sessions 49") << "sessions" << 49 << 0 << true;
    QTest::newRow("sessions 50") << "sessions" << 50 << 0 << false;
    QTest::newRow("sessions -1") << "sessions" << -1 << 0 << false;
}

void TestCatalogue::indexesAreBoundsChecked()
{
    QFETCH(QString, table);
    QFETCH(int, index);
    QFETCH(int, column);
    QFETCH(bool, inside);

    Catalogue state;
    loadEverything(state);
    const QString error = errorOf([&] {
        if (table == u"papers")
            state.papers(index, column) = Cell(true);
        else
            listEntry(state, table, index).text();
    });
    QCOMPARE(error, inside ? QStringLiteral("none") : QStringLiteral("9 Subscript out of range"));
}

void TestCatalogue::codeTextReadsAsInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("read"); // the value, or the error's number and message

    const auto add = [](const char *name, const QString &text, const char *read) {
        QTest::newRow(name) << text << QString::fromLatin1(read);
    };
    add("2", "2", "2");
    add("14", "14", "14");
    add("48", "48", "48");
    add("zero", "0", "0");
    add("leading zeros", "007", "7");
    add("blanks around", " 7 ", "7");
    add("tab before", "\t12", "12");
    add("plus sign", "+5", "5");
    add("minus sign", "-3", "-3");
    add("lowest", "-32768", "-32768");
    add("highest", "32767", "32767");
    add("32768", "32768", "6 Overflow");
    add("-32769", "-32769", "6 Overflow");
    add("twenty digits", "99999999999999999999", "6 Overflow");
    add("four hundred digits", u'1' + QString(400, u'0'), "6 Overflow");
    add("empty text", "", "13 Type mismatch");
    add("blanks only", "   ", "13 Type mismatch");
    add("letters", "abc", "13 Type mismatch");
    add("digit then letter", "1a", "13 Type mismatch");
    add("blank inside", "1 2", "13 Type mismatch");
    add("fraction", "1.5", "13 Type mismatch");
    add("sign alone", "+", "13 Type mismatch");
    add("sign then blank", "- 5", "13 Type mismatch");
    add("file name", "2.doc", "13 Type mismatch");
}

void TestCatalogue::codeTextReadsAsInt16()
{
    QFETCH(QString, text);
    QFETCH(QString, read);
    QString value;
    const QString error = errorOf([&] { value = QString::number(Cell(text).toInt16()); });
    QCOMPARE(error == u"none" ? value : error, read);
}

void TestCatalogue::onlyBooleanTrueIsTrue()
{
    QVERIFY(Cell(true).isTrue());
    QVERIFY(!Cell().isTrue());
    QVERIFY(!Cell(false).isTrue());
    QVERIFY(!Cell(QStringLiteral("True")).isTrue());
    QVERIFY(!Cell(QStringLiteral("-1")).isTrue());
}

void TestCatalogue::codeListTexts_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("named");
    QTest::addColumn<QList<int>>("endingInBlank");
    QTest::addColumn<Texts>("someTexts");

    QTest::newRow("tracks") << "tracks" << facts::trackSlots << QList<int>()
                            << Texts{{0, "All tracks"},
                                     {1, "Keynotes"},
                                     {7, "6) Creative Knowledge Environments"},
                                     {8,
                                      "8) Breaking Boundaries & Building Bridges: The Case of the "
                                      "Emer-ging Market Economies in Central East Europe"},
                                     {14, "Workshop: The Structure of the Brevanor"}};
    QTest::newRow("timeslots") << "timeslots" << facts::timeslotSlots << QList<int>()
                               << Texts{{0, "All timeslots"},
                                        {1, "Keynotes"},
                                        {3, "Wednesday 6 Nov., 16:15-18:00"},
                                        {7, "Saturday 9 Nov., 09:00-10:40"}};
    QTest::newRow("sessions")
        << "sessions" << facts::sessionSlots - 1 << QList<int>{21, 22, 48}
        << Texts{
               {0, "All sessions"},
               {1, "Keynotes"},
               {21, "Exploring the use of new forms and tools in s&t policy-making and studies "},
               {22, "Exploring Brevanor Relations "},
               {26, "Knowledge Management in Public, Private and Collective Set-tings"},
               {47, "University - Industry Linkages"},
               {48, "US-American Hegonomy? - the Question of Convergence in In-novation Styles "}};
}

void TestCatalogue::codeListTexts()
{
    QFETCH(QString, list);
    QFETCH(int, named);
    QFETCH(QList<int>, endingInBlank);
    QFETCH(Texts, someTexts);
    Catalogue state;
    loadEverything(state);
    QStringList texts;
    QList<int> blankAtEnd;
    for (int i = 0; i < named; ++i) {
        texts.append(listEntry(state, list, i).text());
        if (texts.last().endsWith(u' '))
            blankAtEnd.append(i);
    }
    for (auto text = someTexts.cbegin(); text != someTexts.cend(); ++text)
        QCOMPARE(texts.value(text.key()), text.value());
    QCOMPARE(blankAtEnd, endingInBlank);
    // The pick lists look a chosen name up by text, so a repeated name would
    // hide the lower index.
    QCOMPARE(QSet<QString>(texts.cbegin(), texts.cend()).size(), texts.size());
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
