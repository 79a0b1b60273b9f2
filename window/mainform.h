// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dividingline.h"
#include "searchaids.h"

#include "catalogue/catalogue.h"
#include "documents/paperopener.h"
#include "resultlist/rowwriter.h"
#include "selection/categoryfilters.h"
#include "selection/textsearch.h"

#include <QWidget>

#include <array>

class QLabel;

namespace documents {
class Shell;
}

namespace resultlist {
class ReportList;
}

namespace window {

class ListMenu;
class PickList;
class PictureButton;
class SearchBox;

// The program's one window: the search row, the filter block and the result
// list, with the catalogue state and each control's event bound to its routine.
class MainForm : public QWidget
{
    Q_OBJECT

public:
    explicit MainForm(documents::Shell &shell, QWidget *parent = nullptr);
    ~MainForm() override;

    // The client area in the window's units; an empty one while minimised.
    float ScaleWidth() const;
    float ScaleHeight() const;

    const catalogue::Catalogue &state() const { return m_state; }
    const DividingLine &line1() const { return m_line1; }
    const DividingLine &line2() const { return m_line2; }

    static const QColor pictureBlue;
    static constexpr QSize pictureSize{2048, 1600};
    static constexpr QSize designClientSize{812, 624};
    // The list's columns in header order: their widths at start, in the
    // window's units, and each one's share of the list's width on a resize.
    static constexpr std::array<float, 6> startColumnWidths{6, 10, 27, 10, 13, 10};
    static constexpr std::array<double, 6> columnShares{0.07, 0.13, 0.33, 0.13, 0.17, 0.13};

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void createControls();
    void nameAndPlaceControls();
    void keepLabelsLegible();
    void setTabOrder();
    void bindEvents();
    // Runs an event routine through the error boundary, holding the list's
    // updates back until it ends.
    template<typename Routine>
    void handle(Routine routine);
    // The routine as a slot that runs it through handle().
    template<typename Routine>
    auto bound(Routine routine);

    // Why a paper did not open; for a missing document, with the way to
    // another folder.
    void tellUser(const QString &message, const QString &missingFile);

    void Form_Load();
    void Form_Resize();
    void createColumns();

    catalogue::Catalogue m_state;
    QLabel *Label6;
    QLabel *Label5;
    SearchBox *Text1;
    PictureButton *Command1;
    QLabel *Label1;
    PictureButton *Command2;
    QLabel *Label2;
    PickList *Combo1;
    QLabel *Label4;
    PickList *Combo3;
    QLabel *Label3;
    PickList *Combo2;
    resultlist::ReportList *ListView1;
    ListMenu *m_listMenu;
    DividingLine m_line1;
    DividingLine m_line2;
    resultlist::RowWriter m_rowWriter;
    selection::TextSearch m_search;
    selection::CategoryFilters m_filters;
    documents::PaperOpener m_opener;
    SearchAids m_searchAids;
};

} // namespace window
