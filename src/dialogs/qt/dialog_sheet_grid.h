#pragma once

#include <functional>
#include <memory>

#include "sheets/qt/image_list.h"
#include "sheets/qt/qt_text_measure.h"
#include "sheets/sheet.h"

class QPainter;
class QWidget;
class cuiQtGrid;

// A sheet in a dialog's grid: the grid widget, the sheet that decides everything it shows, and
// the wiring between them (keys, clicks, hovering, painting with the style's marks). The pages of
// the main window have a title panel and popup menus; a dialog's sheet has neither.
class cuiDialogSheetGrid {
public:
    // Makes the dialog's sheet on the grid with the measure it must lay its texts out with.
    using SheetFactory =
        std::function<std::unique_ptr<cuiSheet>(cuiGrid& grid, const cmcTextMeasure& measure)>;
    // Called after a cell was painted as the sheet decided, to draw on top of it.
    using CellOverlay =
        std::function<void(QPainter& painter, int32_t column, int32_t row, const clsCellRect&)>;

    cuiDialogSheetGrid(QWidget* parent, cmcTimerService* timers, const SheetFactory& makeSheet);
    ~cuiDialogSheetGrid();
    cuiDialogSheetGrid(const cuiDialogSheetGrid&) = delete;
    cuiDialogSheetGrid& operator=(const cuiDialogSheetGrid&) = delete;

    // Builds the sheet and gives the grid the sheet's font and the palette's colours.
    void Build();
    void SetCellOverlay(CellOverlay overlay) { m_overlay = std::move(overlay); }

    cuiQtGrid& Grid() { return *m_grid; }
    cuiSheet& Sheet() { return *m_sheet; }

private:
    void Connect();
    void DrawCell(QPainter& painter, int32_t column, int32_t row, const clsCellRect& rect);

    cuiQtTextMeasure m_measure;
    cuiImageList m_images;
    cuiQtGrid* m_grid;  // a child of the parent: Qt owns it
    std::unique_ptr<cuiSheet> m_sheet;
    CellOverlay m_overlay;
};
