#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "app/sheet_view.h"
#include "sheets/qt/image_list.h"
#include "sheets/qt/qt_text_measure.h"
#include "sheets/radio_sheet.h"
#include "sheets/sheet_services.h"

class QFrame;
class cmcGTex;
class cuiQtGrid;
class cuiTitlePanel;

// What a page needs beside its name: the overlay store its sections come from, what it reaches
// outside itself (events, settings, timers, the popup menu builder), the radio's state its
// model-dependent rows follow, the application's images (none: the desktop style's marks) and
// how to open the popup menu the builder holds at a point of the screen.
struct datSheetPageSetup {
    cmcGTex& store;
    clsSheetServices services;
    clsRadioSheetState radio;
    const cuiImageList* images = nullptr;
    std::function<void(const QPoint& global)> showPopupMenu;
    bool selectionList = false;
};

// One page in the sheet panel: the title panel and the grid of an application sheet, built when
// made. The grid gives every key, click, focus change and paint to the sheet; the sheet decides.
class cuiSheetPage : public QWidget, public cuiSheetView {
    Q_OBJECT
public:
    cuiSheetPage(QWidget* parent, const datSheetOpening& opening, const datSheetPageSetup& setup);
    ~cuiSheetPage() override;

    void Show() override;
    bool IsGridShowing() override;
    datGridPlace GridPlace() override;
    bool IsGridEnabled() override;
    void FocusGrid() override;
    std::optional<datCellBinding> CursorCell() override;
    void MoveCursorTo(const datCellBinding& cell) override;
    bool CanPrint() override;

    iuiSheet& Sheet() { return *m_sheet; }
    cuiQtGrid& Grid() { return *m_grid; }
    // None when the sheet has no title.
    cuiTitlePanel* TitlePanel() { return m_title; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void ConnectGrid();
    void DrawCell(QPainter& painter, int32_t column, int32_t row, const clsCellRect& rect);
    void FollowPalette();

    cuiQtTextMeasure m_measure;
    cuiImageList m_styleImages;
    const cuiImageList* m_images;
    std::function<void(const QPoint&)> m_showPopupMenu;
    // Children: Qt owns them.
    cuiTitlePanel* m_title = nullptr;
    QFrame* m_gridPanel;
    cuiQtGrid* m_grid;
    std::unique_ptr<iuiSheet> m_sheet;
};

// The page for opening.name under parent, built at opening.place (or its first cell), its column
// widths reset when the font size changed since the last page. The main window calls it for
// cuiFrame::CreateSheet; the page is not shown yet.
std::unique_ptr<cuiSheetView> CreateSheetPage(QWidget* parent, const datSheetOpening& opening,
                                              const datSheetPageSetup& setup);
