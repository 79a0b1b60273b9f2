// The catalogue's access rules: fixed bounds, the cells that stay empty, the
// reading of code texts as 16-bit integers with its errors, and the code lists.
#include "catalogue/builtincontent.h"
#include "catalogue/catalogue.h"
#include "errors/runtimeerror.h"

#include <QtTest>

#include <functional>

using namespace catalogue;

namespace {

// Runs an access and names the error it raised ("none" when it raised none),
// with the error's number.
QPair<QString, int> errorOf(const std::function<void()> &access)
{
    try {
        access();
    } catch (const errors::TypeMismatchError &error) {
        return {QStringLiteral("type mismatch"), error.number()};
    } catch (const errors::OverflowError &error) {
        return {QStringLiteral("overflow"), error.number()};
    } catch (const errors::SubscriptOutOfRangeError &error) {
        return {QStringLiteral("subscript"), error.number()};
    }
    return {QStringLiteral("none"), 0};
}

void loadEverything(Catalogue &state)
{
    state.papercount = builtinPaperCount;
    writeBuiltinRows(state);
    writeTracks(state);
    writeTimeslots(state);
    writeSessions(state);
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void newCatalogueIsEmpty();
    void loadingFillsOnlyTheRowsAndNamedSlots();
    void indexesAreBoundsChecked_data();
    void indexesAreBoundsChecked();
    void codeTextReadsAsInt16_data();
    void codeTextReadsAsInt16();
    void badCodeTextRaisesItsOwnError_data();
    void badCodeTextRaisesItsOwnError();
    void onlyBooleanTrueIsTrue();
    void codeListsHoldTheirExactTexts_data();
    void codeListsHoldTheirExactTexts();
    void onlyThreeSessionNamesEndInABlank();
    void noCodeListRepeatsAText();
};

void TestCatalogue::newCatalogueIsEmpty()
{
    const Catalogue state;
    QCOMPARE(state.papercount, 0);
    QCOMPARE(state.trackfilter, 0);
    QCOMPARE(state.timeslotfilter, 0);
    QCOMPARE(state.sessionfilter, 0);
    for (int row = 0; row < paperRows; ++row) {
        for (int column = 0; column < paperColumns; ++column)
            QVERIFY(state.papers(row, column).isEmpty());
    }
    for (int i = 0; i < trackSlots; ++i)
        QVERIFY(state.tracks(i).isEmpty());
    for (int i = 0; i < timeslotSlots; ++i)
        QVERIFY(state.timeslots(i).isEmpty());
    for (int i = 0; i < sessionSlots; ++i)
        QVERIFY(state.sessions(i).isEmpty());
    QVERIFY(state.selectedfile.isEmpty());
}

void TestCatalogue::loadingFillsOnlyTheRowsAndNamedSlots()
{
    Catalogue state;
    loadEverything(state);

    for (int column = 0; column < paperColumns; ++column)
        QVERIFY(state.papers(0, column).isEmpty());
    for (int row = 1; row <= state.papercount; ++row) {
        // The visible flag is left to the first filter pass.
        QVERIFY(state.papers(row, column::visible).isEmpty());
        for (int c = column::firstname; c <= column::file; ++c)
            QVERIFY(state.papers(row, c).isText());
    }
    for (int i = 0; i < trackSlots; ++i)
        QVERIFY(state.tracks(i).isText());
    for (int i = 0; i < timeslotSlots; ++i)
        QVERIFY(state.timeslots(i).isText());
    for (int i = 0; i < sessionSlots - 1; ++i)
        QVERIFY(state.sessions(i).isText());
    QVERIFY(state.sessions(sessionSlots - 1).isEmpty());
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
    const std::function<void()> access = [&] {
        if (table == u"papers")
            state.papers(index, column) = Cell(true);
        else if (table == u"tracks")
            state.tracks(index).text();
        else if (table == u"timeslots")
            state.timeslots(index).text();
        else
            state.sessions(index).text();
    };
    const auto [error, number] = errorOf(access);
    QCOMPARE(error, inside ? QStringLiteral("none") : QStringLiteral("subscript"));
    QCOMPARE(number, inside ? 0 : 9);
}

void TestCatalogue::codeTextReadsAsInt16_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("2") << "2" << 2;
    QTest::newRow("14") << "14" << 14;
    QTest::newRow("48") << "48" << 48;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("blanks around") << " 7 " << 7;
    QTest::newRow("tab before") << "\t12" << 12;
    QTest::newRow("plus sign") << "+5" << 5;
    QTest::newRow("minus sign") << "-3" << -3;
    QTest::newRow("lowest") << "-32768" << -32768;
    QTest::newRow("highest") << "32767" << 32767;
}

void TestCatalogue::codeTextReadsAsInt16()
{
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(int(Cell(text).toInt16()), value);
}

void TestCatalogue::badCodeTextRaisesItsOwnError_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("number");

    const QString overflow = QStringLiteral("overflow");
    const QString mismatch = QStringLiteral("type mismatch");
    QTest::newRow("32768") << "32768" << overflow << 6;
    QTest::newRow("-32769") << "-32769" << overflow << 6;
    QTest::newRow("twenty digits") << "99999999999999999999" << overflow << 6;
    QTest::newRow("four hundred digits") << (u'1' + QString(400, u'0')) << overflow << 6;
    QTest::newRow("empty text") << "" << mismatch << 13;
    QTest::newRow("blanks only") << "   " << mismatch << 13;
    QTest::newRow("letters") << "abc" << mismatch << 13;
    QTest::newRow("digit then letter") << "1a" << mismatch << 13;
    QTest::newRow("blank inside") << "1 2" << mismatch << 13;
    QTest::newRow("fraction") << "1.5" << mismatch << 13;
    QTest::newRow("sign alone") << "+" << mismatch << 13;
    QTest::newRow("sign then blank") << "- 5" << mismatch << 13;
    QTest::newRow("file name") << "2.doc" << mismatch << 13;
}

void TestCatalogue::badCodeTextRaisesItsOwnError()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    QFETCH(int, number);
    const auto raised = errorOf([&] { Cell(text).toInt16(); });
    QCOMPARE(raised.first, error);
    QCOMPARE(raised.second, number);
}

void TestCatalogue::onlyBooleanTrueIsTrue()
{
    QVERIFY(Cell(true).isTrue());
    QVERIFY(!Cell().isTrue());
    QVERIFY(!Cell(false).isTrue());
    QVERIFY(!Cell(QStringLiteral("True")).isTrue());
    QVERIFY(!Cell(QStringLiteral("-1")).isTrue());
}

void TestCatalogue::codeListsHoldTheirExactTexts_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("text");

    QTest::newRow("track 0") << "tracks" << 0 << "All tracks";
    QTest::newRow("track 1") << "tracks" << 1 << "Keynotes";
    QTest::newRow("track 7") << "tracks" << 7 << "6) Creative Knowledge Environments";
    QTest::newRow("track 8")
        << "tracks" << 8
        << "8) Breaking Boundaries & Building Bridges: The Case of the Emer-ging Market "
           "Economies in Central East Europe";
    QTest::newRow("track 14") << "tracks" << 14 << "Workshop: The Structure of the Brevanor";
    QTest::newRow("timeslot 0") << "timeslots" << 0 << "All timeslots";
    QTest::newRow("timeslot 1") << "timeslots" << 1 << "Keynotes";
    QTest::newRow("timeslot 3") << "timeslots" << 3 << "Wednesday 6 Nov., 16:15-18:00";
    QTest::newRow("timeslot 7") << "timeslots" << 7 << "Saturday 9 Nov., 09:00-10:40";
    QTest::newRow("session 0") << "sessions" << 0 << "All sessions";
    QTest::newRow("session 1") << "sessions" << 1 << "Keynotes";
    QTest::newRow("session 21")
        << "sessions" << 21
        << "Exploring the use of new forms and tools in s&t policy-making and studies ";
    QTest::newRow("session 22") << "sessions" << 22 << "Exploring Brevanor Relations ";
    QTest::newRow("session 26")
        << "sessions" << 26 << "Knowledge Management in Public, Private and Collective Set-tings";
    QTest::newRow("session 47") << "sessions" << 47 << "University - Industry Linkages";
    QTest::newRow("session 48")
        << "sessions" << 48
        << "US-American Hegonomy? - the Question of Convergence in In-novation Styles ";
}

void TestCatalogue::codeListsHoldTheirExactTexts()
{
    QFETCH(QString, list);
    QFETCH(int, index);
    QFETCH(QString, text);

    Catalogue state;
    loadEverything(state);
    QCOMPARE(state.tracks.size(), 15);
    QCOMPARE(state.timeslots.size(), 8);
    QCOMPARE(state.sessions.size(), 50);
    QCOMPARE(int(sessionNames.size()), 49);

    const Cell &entry = list == u"tracks"      ? state.tracks(index)
                        : list == u"timeslots" ? state.timeslots(index)
                                               : state.sessions(index);
    QCOMPARE(entry.text(), text);
}

void TestCatalogue::onlyThreeSessionNamesEndInABlank()
{
    Catalogue state;
    loadEverything(state);
    QList<int> endingInBlank;
    for (int i = 0; i < sessionSlots - 1; ++i) {
        if (state.sessions(i).text().endsWith(u' '))
            endingInBlank.append(i);
    }
    QCOMPARE(endingInBlank, QList<int>({21, 22, 48}));
    for (int i = 0; i < trackSlots; ++i)
        QVERIFY(!state.tracks(i).text().endsWith(u' '));
    for (int i = 0; i < timeslotSlots; ++i)
        QVERIFY(!state.timeslots(i).text().endsWith(u' '));
}

void TestCatalogue::noCodeListRepeatsAText()
{
    // The pick lists look a chosen name up by text, so a repeated name would
    // hide the lower index.
    const auto distinct = [](const auto &names) {
        QSet<QString> seen;
        for (const char *name : names)
            seen.insert(QString::fromUtf8(name));
        return int(seen.size()) == int(names.size());
    };
    QVERIFY(distinct(trackNames));
    QVERIFY(distinct(timeslotNames));
    QVERIFY(distinct(sessionNames));
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
