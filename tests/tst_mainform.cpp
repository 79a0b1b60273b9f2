// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it opens: its controls, start-up and the category filters.
#include "support/windowdriver.h"

#include "legibility/contrast.h"
#include "window/picturebutton.h"

#include <QLabel>
#include <QScopeGuard>
#include <QSignalSpy>

using catalogue::BuiltinRow;
using legibility::contrastRatio;

namespace {

// The window as a screen of the given scale shows it, in device pixels.
QImage grabAt(QWidget &widget, qreal scale)
{
    QImage image((QSizeF(widget.size()) * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    widget.render(&image);
    return image;
}

// The device pixels of a rectangle in the window's pixels.
QRect devicePixels(const QImage &image, const QRect &logical)
{
    const qreal scale = image.devicePixelRatio();
    return {(QPointF(logical.topLeft()) * scale).toPoint(),
            (QSizeF(logical.size()) * scale).toSize()};
}

// The pixel of `area` (in device pixels) that stands out most from `ground`.
QColor boldest(const QImage &image, const QRect &area, const QColor &ground)
{
    QColor found = ground;
    for (int i = 0; i < area.width() * area.height(); ++i) {
        const QColor pixel =
            image.pixelColor(area.topLeft() + QPoint(i % area.width(), i / area.width()));
        found = contrastRatio(pixel, ground) > contrastRatio(found, ground) ? pixel : found;
    }
    return found;
}

// The commonest colour of `area` other than `ground`, and the pixels it spans.
std::pair<QRect, QColor> markedArea(const QImage &image, const QRect &area, const QColor &ground)
{
    std::map<QRgb, QRect> spans;
    std::map<QRgb, int> counts;
    for (int i = 0; i < area.width() * area.height(); ++i) {
        const QPoint at = area.topLeft() + QPoint(i % area.width(), i / area.width());
        const QRgb pixel = image.pixel(at);
        spans[pixel] |= QRect(at, QSize(1, 1));
        counts[pixel] += pixel == ground.rgb() ? 0 : 1;
    }
    const auto commonest = std::ranges::max_element(
        counts, [](const auto &a, const auto &b) { return a.second < b.second; });
    return {spans[commonest->first], QColor(commonest->first)};
}

bool near(const QColor &a, const QColor &b)
{
    return qAbs(a.red() - b.red()) + qAbs(a.green() - b.green()) + qAbs(a.blue() - b.blue()) <= 32;
}

// The drop-down lists in the order of their names in a row's cells 3 to 5.
enum Category { byTrack, bySession, byTimeslot };
// Codes picked in the lists, each in its list.
using Picks = QList<std::pair<Category, int>>;

} // namespace

Q_DECLARE_METATYPE(Picks)

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void controlsStandWhereDesigned_data();
    void controlsStandWhereDesigned();
    void windowShowsItsCaptionAndSize();
    void tabWalksTheControlsInOrder();
    void backgroundAndButtonFacesAreLightBlue();
    void drawsLegiblyAtEveryScale_data();
    void drawsLegiblyAtEveryScale();
    void startupLeavesTheRestAsDesigned();
    void pickedEntriesNarrowTheRowsByAnd_data();
    void pickedEntriesNarrowTheRowsByAnd();
    void pickListPicksOnlyWhenChosen_data();
    void pickListPicksOnlyWhenChosen();
};

void TestMainForm::controlsStandWhereDesigned_data()
{
    QTest::addColumn<QRect>("pixels");
    QTest::addColumn<int>("tabIndex");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("heading"); // in bold Arial, not in the window's font
    // Each row is named after its control.
    const auto add = [](const char *name, QRect pixels, int tabIndex, const char *text,
                        bool heading = false) {
        QTest::newRow(name) << pixels << tabIndex << QString::fromLatin1(text) << heading;
    };
    add("Label6", QRect(24, 24, 585, 17), 12,
        "Papers presented at the 4th Brevanor Conference 2002 in full paper version.", true);
    add("Label5", QRect(24, 64, 113, 17), 10, "Search author or title:");
    add("Text1", QRect(152, 64, 265, 19), 1, "");
    add("Command1", QRect(440, 64, 145, 20), 2, "Reset Search");
    add("Label1", QRect(24, 112, 105, 17), 0, "Sort papers...");
    add("Command2", QRect(152, 110, 137, 20), 3, "Reset Sort Criteria");
    add("Label2", QRect(24, 136, 105, 17), 7, "by track:");
    add("Combo1", QRect(152, 136, 433, 21), 4, "All tracks");
    add("Label4", QRect(24, 160, 105, 17), 9, "by session:");
    add("Combo3", QRect(152, 160, 433, 21), 5, "All sessions");
    add("Label3", QRect(24, 184, 105, 17), 8, "by timeslot:");
    add("Combo2", QRect(152, 184, 433, 21), 6, "All timeslots");
    add("ListView1", QRect(24, 240, 765, 353), 11, "");
}

void TestMainForm::controlsStandWhereDesigned()
{
    QFETCH(QRect, pixels);
    QFETCH(int, tabIndex);
    QFETCH(QString, text);
    QFETCH(bool, heading);
    WindowDriver driver;
    QWidget *control = driver.control(QTest::currentDataTag());
    QCOMPARE(control->geometry(), pixels);
    QCOMPARE(control->property("TabIndex").toInt(), tabIndex);
    const auto *textControl = dynamic_cast<const selection::TextControl *>(control);
    QCOMPARE(textControl ? textControl->text() : control->property("text").toString(), text);
    QCOMPARE(control->font().family(), QString::fromLatin1(heading ? "Arial" : "MS Sans Serif"));
    QCOMPARE(control->font().pointSizeF(), heading ? 9.75 : 8.25);
    QCOMPARE(control->font().bold(), heading);
    // Whatever the window's size, only the list follows it.
    if (control == driver.list())
        return;
    QVERIFY(driver.showWindow());
    for (const QSize size : {QSize(2200, 1700), QSize(300, 400)}) {
        driver.form().resize(size);
        QTRY_COMPARE(driver.form().size(), size);
        QCOMPARE(control->geometry(), pixels);
    }
}

void TestMainForm::windowShowsItsCaptionAndSize()
{
    WindowDriver driver;
    QCOMPARE(driver.form().windowTitle(), QStringLiteral("Brevanor 2002"));
    QCOMPARE(driver.form().size(), QSize(812, 624));
    QVERIFY(!driver.form().windowIcon().isNull());
    QVERIFY(driver.form().windowIcon().availableSizes().contains(QSize(16, 16)));
    QCOMPARE(driver.form().ScaleWidth(), 800.0f);
    QVERIFY(qAbs(driver.form().ScaleHeight() - 607.79) < 0.01);
    auto *black = driver.control<QLabel>("Label5");
    QCOMPARE(black->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void TestMainForm::tabWalksTheControlsInOrder()
{
    WindowDriver driver;
    driver.form().show();
    QVERIFY(QTest::qWaitForWindowActive(&driver.form()));
    QCOMPARE(QApplication::focusWidget(), driver.control("Text1"));
    const char *order[] = {"Command1", "Command2",  "Combo1", "Combo3",
                           "Combo2",   "ListView1", "Text1"};
    for (const char *name : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
}

void TestMainForm::backgroundAndButtonFacesAreLightBlue()
{
    WindowDriver driver;
    const QColor blue(0x8d, 0xb1, 0xc7);
    driver.form().resize(2100, 1650);
    const QImage image = driver.form().grab().toImage();
    QCOMPARE(image.pixelColor(10, 10), blue);
    QCOMPARE(image.pixelColor(2040, 200), blue);
    QCOMPARE(image.pixelColor(10, 1590), blue);
    // Over a label's text area the blue shows around the letters.
    QCOMPARE(image.pixelColor(130, 128), blue);
    QVERIFY(image.pixelColor(2070, 100) != blue);
    QVERIFY(image.pixelColor(10, 1620) != blue);
    auto *button = driver.control("Command2");
    const QImage face = button->grab().toImage();
    QCOMPARE(face.pixelColor(6, face.height() / 2), blue);
    QCOMPARE(face.pixelColor(face.width() - 6, face.height() - 5), blue);
}

void TestMainForm::drawsLegiblyAtEveryScale_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QColor>("text"); // of the labels, captions and lines on the picture
    QTest::addColumn<QColor>("files");
    QTest::addColumn<QColor>("match"); // behind searched text; where invalid, any legible one
    const QPalette light = QApplication::palette();
    const QPalette dark(QColor(0x24, 0x24, 0x24)); // a black list
    QPalette adwaitaDark = dark;                   // GTK's dark theme: pure blue at 1.6:1
    adwaitaDark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    QPalette red = light;
    red.setColor(QPalette::WindowText, QColor(0x80, 0, 0));
    red.setColor(QPalette::ButtonText, QColor(0x80, 0, 0));
    const QColor yellow(0xff, 0xdf, 0x5e);
    QTest::newRow("light") << light << 1.0 << QColor(Qt::black) << QColor(Qt::blue) << yellow;
    QTest::newRow("light, 150 %") << light << 1.5 << QColor(Qt::black) << QColor(Qt::blue)
                                  << yellow;
    QTest::newRow("light, 200 %") << light << 2.0 << QColor(Qt::black) << QColor(Qt::blue)
                                  << yellow;
    // The least blue at 7:1, where 4.5:1 would take (94, 94, 255) and (123, 123, 255).
    QTest::newRow("dark") << dark << 1.0 << QColor(Qt::black) << QColor(136, 136, 255) << QColor();
    QTest::newRow("dark, 200 %") << dark << 2.0 << QColor(Qt::black) << QColor(136, 136, 255)
                                 << QColor();
    QTest::newRow("Adwaita dark") << adwaitaDark << 1.0 << QColor(Qt::black)
                                  << QColor(166, 166, 255) << QColor();
    QTest::newRow("dark red text")
        << red << 1.0 << QColor(0x80, 0, 0) << QColor(Qt::blue) << yellow;
}

void TestMainForm::drawsLegiblyAtEveryScale()
{
    QFETCH(QPalette, palette);
    QFETCH(qreal, scale);
    QFETCH(QColor, text);
    QFETCH(QColor, files);
    QFETCH(QColor, match);
    WindowDriver driver;
    QVERIFY(driver.showWindow());
    resultlist::ReportList *list = driver.list();
    const QString author = list->cellText(0, 1); // stays first, sorted by author
    driver.type(author.mid(1, 3));
    const auto restore =
        qScopeGuard([old = QApplication::palette()] { QApplication::setPalette(old); });
    QApplication::setPalette(palette); // as when the desktop's theme changes
    QTRY_COMPARE(driver.form().palette().color(QPalette::WindowText),
                 palette.color(QPalette::WindowText));
    const QImage image = grabAt(driver.form(), scale);
    const QColor blue(facts::pictureBlue);
    // A colour of the theme's own needs 4.5:1; one put in its place, 7:1.
    // Anti-aliased strokes fall short of their colour, by up to a tenth.
    const auto legible = [](bool themes) { return (themes ? 4.5 : 7.0) * 0.9; };
    for (const char *name :
         {"Label6", "Label1", "Label2", "Label4", "Label3", "Command1", "Command2"}) {
        const QWidget *control = driver.control(name);
        const int bevel = qobject_cast<const window::PictureButton *>(control) ? 2 : 0;
        const QRect area = control->geometry().adjusted(bevel, bevel, -bevel, -bevel);
        const QColor drawn = boldest(image, devicePixels(image, area), blue);
        const bool themes = text == palette.color(QPalette::WindowText);
        QVERIFY2(contrastRatio(drawn, blue) >= legible(themes) && near(drawn, text), name);
    }
    const auto cellArea = [&](int column) {
        const QRect cell = list->visualRect(list->model()->index(0, column));
        return devicePixels(image,
                            cell.translated(list->viewport()->mapTo(&driver.form(), QPoint())));
    };
    const QColor ground = list->palette().color(QPalette::Base);
    const QColor file = boldest(image, cellArea(0), ground);
    QVERIFY(contrastRatio(file, ground) >= legible(files == QColor(Qt::blue)));
    QVERIFY(file.blue() - std::max(file.red(), file.green()) >= 64); // blue, however light
    QVERIFY(near(file, files));
    // The highlight, the commonest colour of the author's cell but the list's
    // ground, is where the letters typed stand, and they are legible on it.
    const auto [marked, highlight] = markedArea(image, cellArea(1), ground);
    const QColor listText = list->palette().color(QPalette::Text);
    QVERIFY(contrastRatio(highlight, listText) >= 4.5 && (!match.isValid() || highlight == match));
    QVERIFY(marked.width() > 4 && marked.left() > cellArea(1).left());
    const QRect inside = marked.adjusted(1, 1, -1, -1); // clear of its blended edges
    QVERIFY(contrastRatio(boldest(image, inside, highlight), highlight) >= 4.5 * 0.9);

    // In device pixels: each line covers its pixel row, and only that.
    const auto at = [&](double x, double y) { return image.pixelColor(int(x), int(y)); };
    for (const int row : {96, 216}) {
        for (int y = int(row * scale); y < int((row + 1) * scale); ++y)
            QCOMPARE(at(300 * scale, y), text);
        QCOMPARE(at(300 * scale, row * scale - 1), blue);
        QCOMPARE(at(300 * scale, std::ceil((row + 1) * scale)), blue);
    }
    // No blue inside the list's frame along any of its edges.
    const QRectF frame(QPointF(list->pos()) * scale, QSizeF(list->size()) * scale);
    for (int i = 0; i < std::ceil(2 * scale); ++i) {
        QVERIFY(at(frame.center().x(), frame.top() + i) != blue);
        QVERIFY(at(frame.left() + i, frame.center().y()) != blue);
        QVERIFY(at(frame.center().x(), frame.bottom() - 1 - i) != blue);
        QVERIFY(at(frame.right() - 1 - i, frame.center().y()) != blue);
    }
    // The bevel is two of the window's pixels wide above and below the face.
    const QRect button = driver.control("Command1")->geometry();
    const double x = (button.left() + 6) * scale;
    QVERIFY(at(x, (button.top() + 2) * scale - 1) != blue);
    QCOMPARE(at(x, std::ceil((button.top() + 2) * scale)), blue);
    QVERIFY(at(x, std::ceil((button.bottom() - 1) * scale)) != blue);
    QCOMPARE(at(x, (button.bottom() - 1) * scale - 1), blue);
}

// Which rows the list shows at start-up, in which order, and the entries of
// the pick lists, the random session checks before its first action; here
// is the rest of what start-up leaves.
void TestMainForm::startupLeavesTheRestAsDesigned()
{
    WindowDriver driver; // never shown, so never laid out
    QVERIFY(!driver.tracks()->isEditable());
    QCOMPARE(driver.state().papercount, 178);
    QVERIFY(driver.state().sessions(49).isEmpty());
    QVERIFY(driver.state().papers(0, catalogue::column::visible).isEmpty());
    const QAbstractItemModel *model = driver.list()->model();
    QCOMPARE(model->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    QVERIFY(!model->index(0, 1).data(Qt::ForegroundRole).isValid());
    // Until the window lays the list out, the columns keep their start-up widths.
    const float widths[] = {6, 10, 27, 10, 13, 10};
    for (int i = 1; i <= 6; ++i) {
        QCOMPARE(driver.list()->columnWidth(i),
                 float(qRound(widths[i - 1] * facts::pixelsPerUnitX) / facts::pixelsPerUnitX));
        QCOMPARE(driver.list()->header()->sectionSize(i - 1),
                 qRound(widths[i - 1] * facts::pixelsPerUnitX));
    }
}

void TestMainForm::pickedEntriesNarrowTheRowsByAnd_data()
{
    QTest::addColumn<Picks>("picks"); // in turn
    QTest::newRow("keynotes by track") << Picks{{byTrack, 1}};
    QTest::newRow("keynotes by session") << Picks{{bySession, 1}};
    QTest::newRow("keynotes by timeslot") << Picks{{byTimeslot, 1}};
    // Names that end in a blank pick as they are.
    for (const int code : {21, 22, 48})
        QTest::addRow("session %d", code) << Picks{{bySession, code}};
    QTest::newRow("unused session") << Picks{{bySession, 26}};
    // The track with most rows, then a timeslot and a session one of its rows has.
    const BuiltinRow &sample = catalogue::builtinRows[40];
    const Picks picks{{byTrack, atoi(sample.track)},
                      {byTimeslot, atoi(sample.timeslot)},
                      {bySession, atoi(sample.session)}};
    QTest::newRow("a track") << picks.mid(0, 1);
    QTest::newRow("a track and a timeslot") << picks.mid(0, 2);
    QTest::newRow("a track, a timeslot and a session") << picks;
    // "All tracks" lifts the track filter only.
    QTest::newRow("then all tracks") << picks + Picks{{byTrack, 0}};
}

void TestMainForm::pickedEntriesNarrowTheRowsByAnd()
{
    QFETCH(Picks, picks);
    WindowDriver driver;
    const std::array lists{driver.tracks(), driver.sessions(), driver.timeslots()};
    const std::array names{cataloguenames::track, cataloguenames::session,
                           cataloguenames::timeslot};
    const std::array fields{&BuiltinRow::track, &BuiltinRow::session, &BuiltinRow::timeslot};
    QList<int> codes(3, 0);
    for (const auto &[category, code] : picks) {
        codes[category] = code;
        QVERIFY(WindowDriver::pick(lists[category], names[category](code)));
    }
    const catalogue::Catalogue &state = driver.state();
    QCOMPARE((QList<int>{state.trackfilter, state.sessionfilter, state.timeslotfilter}), codes);
    const auto expected = WindowDriver::builtinRowsWhere([&](const BuiltinRow &r) {
        return std::ranges::all_of(std::array{byTrack, bySession, byTimeslot}, [&](int c) {
            return codes[c] == 0 || atoi(r.*fields[c]) == codes[c];
        });
    });
    QCOMPARE(driver.list()->itemCount(), expected.size());
    QCOMPARE(driver.list()->model()->columnCount(), 6); // an empty list keeps its headers
    for (const QStringList &row : driver.shownRows()) {
        for (int c = 0; c < 3; ++c) {
            if (codes[c])
                QCOMPARE(row[3 + c], names[c](codes[c]));
        }
    }
}

void TestMainForm::pickListPicksOnlyWhenChosen_data()
{
    QTest::addColumn<int>("closing"); // of the open list; none: the wheel turns one step
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("picks");
    QTest::newRow("wheel over the list") << -1 << false << false;
    QTest::newRow("wheel in the list") << -1 << true << true;
    for (int i = 0; i < int(std::size(listClosings)); ++i) {
        QTest::addRow("open list closed with %s", listClosings[i].name)
            << i << true << listClosings[i].picks;
    }
}

void TestMainForm::pickListPicksOnlyWhenChosen()
{
    QFETCH(int, closing);
    QFETCH(bool, focused);
    QFETCH(bool, picks);
    WindowDriver driver;
    QVERIFY(driver.showWindow());
    window::PickList *tracks = driver.tracks();
    QCOMPARE(tracks->focusPolicy(), Qt::StrongFocus); // a wheel focus would pick at once
    if (focused)
        tracks->setFocus();
    QSignalSpy clicks(tracks, &window::PickList::click);
    const int highlighted = closing < 0 ? 1 : 2;
    if (closing < 0) {
        WindowDriver::turnWheel(tracks, QPoint(10, 10), true);
    } else {
        QVERIFY(WindowDriver::openAt(tracks, highlighted));
        driver.closeList(tracks, listClosings[closing]);
        QTRY_VERIFY(!tracks->view()->isVisible());
    }
    QCOMPARE(clicks.count(), picks ? 1 : 0);
    QCOMPARE(tracks->currentIndex(), picks ? highlighted : 0);
    QCOMPARE(cataloguenames::track(driver.state().trackfilter), tracks->currentText());
}

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
