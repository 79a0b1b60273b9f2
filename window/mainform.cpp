// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainform.h"

#include "appicon.h"
#include "documentnotice.h"
#include "errorboundary.h"
#include "listmenu.h"
#include "picklist.h"
#include "picturebutton.h"
#include "searchbox.h"
#include "userscale.h"
#include "windowfonts.h"

#include "catalogue/builtincontent.h"
#include "legibility/contrast.h"
#include "resultlist/columnsort.h"
#include "resultlist/reportlist.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace window {

const QColor MainForm::pictureBlue(0x8d, 0xb1, 0xc7);

namespace {

QLabel *makeLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFocusPolicy(Qt::NoFocus);
    label->setAttribute(Qt::WA_TranslucentBackground); // the window's blue shows through
    return label;
}

} // namespace

MainForm::MainForm(documents::Shell &shell, QWidget *parent)
    : QWidget(parent)
    , Label6(makeLabel(QStringLiteral("Papers presented at the 4th Brevanor Conference 2002 in "
                                      "full paper version."),
                       this))
    , Label5(makeLabel(QStringLiteral("Search author or title:"), this))
    , Text1(new SearchBox(this))
    , Command1(new PictureButton(QStringLiteral("Reset Search"), pictureBlue, this))
    , Label1(makeLabel(QStringLiteral("Sort papers..."), this))
    , Command2(new PictureButton(QStringLiteral("Reset Sort Criteria"), pictureBlue, this))
    , Label2(makeLabel(QStringLiteral("by track:"), this))
    , Combo1(new PickList(this))
    , Label4(makeLabel(QStringLiteral("by session:"), this))
    , Combo3(new PickList(this))
    , Label3(makeLabel(QStringLiteral("by timeslot:"), this))
    , Combo2(new PickList(this))
    , ListView1(new resultlist::ReportList(pixelsPerUnitX, pixelsPerUnitY, this))
    , m_listMenu(new ListMenu(*ListView1, m_state))
    , m_line1(lineBetweenTwips(360, 1440, 11760, 1440))
    , m_line2(lineBetweenTwips(360, 3240, 11760, 3240))
    , m_rowWriter(m_state, *ListView1)
    , m_search(m_state, m_rowWriter, *ListView1, *Text1)
    , m_filters(m_state, m_rowWriter, {*Combo1, *Combo2, *Combo3}, *Text1, m_search)
    , m_opener(m_state, shell,
               [this](const QString &message, const QString &file) { tellUser(message, file); })
    , m_searchAids(*this, *Text1, {Combo1, Combo2, Combo3}, *Command1, *Command2, *ListView1)
{
    createControls();
    nameAndPlaceControls();
    setTabOrder();
    bindEvents();
    handle([this] { Form_Load(); });
}

MainForm::~MainForm() = default;

void MainForm::createControls()
{
    setObjectName(QStringLiteral("mainform"));
    setWindowTitle(QStringLiteral("Brevanor 2002"));
    setWindowIcon(appIcon());
    setFont(windowFont());
    Label6->setFont(headingFont());
    QPalette black = Label5->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    Label5->setPalette(black);
    keepLabelsLegible();
    ListView1->setAccessibleName(QStringLiteral("Papers"));
    // A screen reader speaks each field by the label in front of it.
    const std::pair<QLabel *, QWidget *> labelled[] = {
        {Label5, Text1}, {Label2, Combo1}, {Label4, Combo3}, {Label3, Combo2}};
    for (const auto &[label, field] : labelled) {
        label->setBuddy(field);
        field->setAccessibleName(label->text());
    }
    resize(designClientSize);
}

void MainForm::nameAndPlaceControls()
{
    struct Placement
    {
        QWidget *control;
        const char *name;
        int left, top, width, height; // in twips
        int tabIndex;
    };
    const Placement placements[] = {
        {Label6, "Label6", 360, 360, 8775, 255, 12},
        {Label5, "Label5", 360, 960, 1695, 255, 10},
        {Text1, "Text1", 2280, 960, 3975, 285, 1},
        {Command1, "Command1", 6600, 960, 2175, 293, 2},
        {Label1, "Label1", 360, 1680, 1575, 255, 0},
        {Command2, "Command2", 2280, 1648, 2055, 293, 3},
        {Label2, "Label2", 360, 2040, 1575, 255, 7},
        {Combo1, "Combo1", 2280, 2040, 6495, 315, 4},
        {Label4, "Label4", 360, 2400, 1575, 255, 9},
        {Combo3, "Combo3", 2280, 2400, 6495, 315, 5},
        {Label3, "Label3", 360, 2760, 1575, 255, 8},
        {Combo2, "Combo2", 2280, 2760, 6495, 315, 6},
        {ListView1, "ListView1", 360, 3600, 11475, 5295, 11},
    };
    for (const Placement &p : placements) {
        p.control->setObjectName(QString::fromLatin1(p.name));
        p.control->setGeometry(twipsToPixels(p.left), twipsToPixels(p.top), twipsToPixels(p.width),
                               twipsToPixels(p.height));
        p.control->setProperty("TabIndex", p.tabIndex);
    }
}

void MainForm::keepLabelsLegible()
{
    // The labels in the desktop's text colour stand on the light-blue picture,
    // where a dark theme's light text would fade: there they turn black.
    const QPalette &form = palette();
    for (QLabel *label : {Label6, Label1, Label2, Label4, Label3}) {
        QPalette own = label->palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            own.setColor(
                group, QPalette::WindowText,
                legibility::legibleOn(form.color(group, QPalette::WindowText), pictureBlue));
        }
        label->setPalette(own);
    }
}

void MainForm::setTabOrder()
{
    QWidget *const order[] = {Text1, Command1, Command2, Combo1, Combo3, Combo2, ListView1};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    Text1->setFocus();
}

template<typename Routine>
void MainForm::handle(Routine routine)
{
    ErrorBoundary::run([&] {
        // The list reaches the screen once, when the outermost handler returns.
        resultlist::ReportList::Batch batch(*ListView1);
        routine();
    });
}

template<typename Routine>
auto MainForm::bound(Routine routine)
{
    return [this, routine] { handle(routine); };
}

void MainForm::bindEvents()
{
    connect(Combo1, &PickList::click, this, bound([this] { m_filters.Combo1_Click(); }));
    connect(Combo2, &PickList::click, this, bound([this] { m_filters.Combo2_Click(); }));
    connect(Combo3, &PickList::click, this, bound([this] { m_filters.Combo3_Click(); }));
    connect(Command1, &QPushButton::clicked, this, bound([this] { m_search.Command1_Click(); }));
    connect(Command2, &QPushButton::clicked, this, bound([this] { m_filters.Command2_Click(); }));
    connect(Text1, &QLineEdit::textChanged, this, bound([this] { m_search.Text1_Change(); }));
    // Sorting from the list's menu is a click on the column's header.
    const auto columnClick = [this](int index) {
        handle([&] { resultlist::ListView1_ColumnClick(*ListView1, index); });
    };
    connect(ListView1, &resultlist::ReportList::columnClick, this, columnClick);
    connect(m_listMenu, &ListMenu::sortBy, this, columnClick);
    const auto open = bound([this] { m_opener.ListView1_DblClick(); });
    connect(m_listMenu, &ListMenu::open, this, open);
    connect(m_listMenu, &ListMenu::openWith, this,
            bound([this] { m_opener.openSelectedFileWith(); }));
    connect(m_listMenu, &ListMenu::showInFolder, this,
            bound([this] { m_opener.showSelectedFileInFolder(); }));
    connect(ListView1, &resultlist::ReportList::itemClick, this, [this](const QString &itemText) {
        handle([&] { m_opener.ListView1_ItemClick(itemText); });
    });
    connect(ListView1, &resultlist::ReportList::dblClick, this, open);
    connect(ListView1, &resultlist::ReportList::keyDown, this,
            [this](std::int16_t keyCode, std::int16_t shift) {
                handle([&] { m_opener.ListView1_KeyDown(keyCode, shift); });
            });
}

void MainForm::tellUser(const QString &message, const QString &missingFile)
{
    if (DocumentNotice *notice = DocumentNotice::open(message, missingFile, this))
        connect(notice, &DocumentNotice::lookInAnotherFolder, this, [this](const QString &file) {
            handle([&] { m_opener.lookInAnotherFolder(file); });
        });
}

void MainForm::Form_Load()
{
    using namespace catalogue;
    m_state.papercount = builtinPaperCount;
    m_state.trackfilter = 0;
    m_state.timeslotfilter = 0;
    m_state.sessionfilter = 0;
    Text1->setText(QString());
    writeBuiltinRows(m_state);

    writeTracks(m_state);
    fillPickList(*Combo1, m_state.tracks, trackSlots);
    writeTimeslots(m_state);
    fillPickList(*Combo2, m_state.timeslots, timeslotSlots);
    writeSessions(m_state);
    fillPickList(*Combo3, m_state.sessions, sessionSlots - 1); // the last slot stays empty

    createColumns();
}

void MainForm::createColumns()
{
    for (const char *caption : {"Open", "Author", "Title", "Track", "Session", "Time slot"})
        ListView1->addColumnHeader(QString::fromLatin1(caption));
    for (int i = 1; i <= 6; ++i)
        ListView1->setColumnAlignment(i, 0);
    for (int i = 1; i <= 6; ++i)
        ListView1->setColumnWidth(i, startColumnWidths[i - 1]);
    ListView1->setSortOrder(resultlist::ascending);
    ListView1->setSortKey(1);
    ListView1->setSorted(true);
}

float MainForm::ScaleWidth() const
{
    return isMinimized() ? 0.0f : float(width() / pixelsPerUnitX);
}

float MainForm::ScaleHeight() const
{
    return isMinimized() ? 0.0f : float(height() / pixelsPerUnitY);
}

void MainForm::Form_Resize()
{
    const float W = ScaleWidth();
    const float H = ScaleHeight();
    if (!(W > 100) || !(H > 257))
        return;
    ListView1->setWidthInUnits(float(double(W) - 47.29));
    ListView1->setHeightInUnits(float(double(H) - 256));
    m_line1.X2 = float(double(W) - 23.645);
    m_line2.X2 = float(double(W) - 23.645);
    for (int i = 1; i <= 6; ++i)
        ListView1->setColumnWidth(i,
                                  float(double(ListView1->widthInUnits()) * columnShares[i - 1]));
    update();
}

void MainForm::paintEvent(QPaintEvent * /*event*/)
{
    using legibility::legibleOn;
    QPainter painter(this);
    const QRect picture(QPoint(0, 0), pictureSize);
    const QRect beyond(picture.topRight() + QPoint(1, 0), QSize(width(), height()));
    painter.fillRect(rect(), palette().window());
    painter.fillRect(picture, pictureBlue);
    const QColor text = palette().color(QPalette::WindowText);
    const QColor onPicture = legibleOn(text, pictureBlue, legibility::lineContrast);
    const QColor onWindow =
        legibleOn(text, palette().color(QPalette::Window), legibility::lineContrast);
    for (const DividingLine &line : {m_line1, m_line2}) {
        const QRect stroke = pixelsCovered(line);
        painter.fillRect(stroke & picture, onPicture);
        painter.fillRect(stroke & beyond, onWindow);
    }
}

void MainForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    handle([this] { Form_Resize(); });
}

void MainForm::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        handle([this] { Form_Resize(); });
    else if (event->type() == QEvent::PaletteChange)
        keepLabelsLegible();
}

} // namespace window
