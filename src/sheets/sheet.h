#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/cell_request.h"
#include "overlay/cell_capsule.h"
#include "overlay/cell_obj.h"
#include "sheets/cell_paint.h"
#include "sheets/grid.h"
#include "sheets/sheet_services.h"

// The engine a sheet asks about its cells: EvaluateCell unless a dialog or a test installs another.
using clsEngineEntry = int32_t (*)(indActiveCell& context, cmcCellCapsule& capsule, bool notify);

class cmcGTex;
class cmcTextMeasure;
class cmcTimer;
struct cmcEvent;

// One grid row: the overlay line it was built from, and whether it takes part in range selection.
struct clsSheeRowAtr {
    static constexpr uint8_t kSelectable = 0x01;
    int32_t line = 0;
    uint8_t flags = kSelectable;
};

// One grid cell: its cell object and its selection state.
struct clsSheetCellId {
    static constexpr uint8_t kInRange = 0x01;   // may take part in a range selection
    static constexpr uint8_t kSelected = 0x02;  // selected in a range
    static constexpr uint8_t kLine = 0x04;      // part of a selected line
    cmcCellObj cell;
    uint8_t flags = kInRange;
};

// One page of the editor, a selection list or a dialog's grid: a grid whose rows, columns and cells
// are built from the overlay sections K + "_Style", K + "_BasicCell" and K + "_Cells", whose cells
// show what the cell value engine answers, and whose keys, clicks and popup commands become engine
// requests. The sheet owns its cell objects; the grid only lays them out.
//
// Where to start reading: Build (sheet_build.cpp) makes the rows and cells; Request
// (sheet_request.cpp) talks to the engine; KeyDown and the mouse handlers (sheet_navigation.cpp)
// move the current cell and the selection; Paint (sheet_paint.cpp) decides how a cell looks.
class cuiSheet {
public:
    static constexpr int32_t kNone = -1;

    // nameSpec is "[prefix]key,argument" or just a key. The owner capsule (a selection list's
    // or dialog's opening cell) is copied.
    cuiSheet(cuiGrid& grid, cmcGTex& store, const std::string& nameSpec,
             const cmcTextMeasure& measure, const clsSheetServices& services,
             const cmcCellCapsule* ownerCapsule = nullptr, int32_t initialLabel = CL_None,
             int32_t initialIndex = 0);
    virtual ~cuiSheet();
    cuiSheet(const cuiSheet&) = delete;
    cuiSheet& operator=(const cuiSheet&) = delete;

    // Set before Build.
    void SetSavedPosition(int32_t col, int32_t row, int32_t leftCol, int32_t topRow);
    // Printing: the scale is printer pixels per inch / screen pixels per inch.
    void SetPrinter(int32_t printerPpi, int32_t screenPpi);
    void SetExplicitFontHeight(int32_t height) { m_fontHeight = height; }
    void SetSelectionList(bool on) { SetFlag(kSelectionList, on); }
    // The application's image list, whose height sizes the marks; without one no mark is drawn.
    void SetImageList(cuiImageList* list, int32_t imageHeight);
    // Delete the stored column widths at the next build instead of loading them.
    void RequestWidthReset() { m_resetWidths = true; }
    void SetSystemColours(const clsSystemColours& colours);
    void SetEngineEntry(clsEngineEntry entry) { m_engine = entry; }

    void Build();

    // The sheet as built.
    const std::string& Key() const { return m_key; }
    const std::string& NameSpec() const { return m_nameSpec; }
    const std::string& Argument() const { return m_argument; }
    const std::string& Title() const { return m_title; }
    uint32_t TitleColour() const { return m_titleColour; }
    const datCellFont& TitleFont() const { return m_titleFont; }
    bool HasTitle() const { return !m_title.empty(); }
    bool IsPrintable() const { return !HasFlag(kNoPrint); }
    int32_t PrintFontRatio() const { return m_printFontRatio; }
    bool IsSelectionList() const { return HasFlag(kSelectionList); }
    bool IsPrinting() const { return m_printing; }
    int32_t MultiSelectMode() const { return m_multiSelect; }
    int32_t ColCount() const { return m_cols; }
    int32_t RowCount() const { return static_cast<int32_t>(m_rows.size()); }
    int32_t FixedCols() const { return m_fixedCols; }
    int32_t FixedRows() const { return m_fixedRows; }
    int32_t FirstSelectableCol() const { return m_firstSelCol; }
    int32_t FirstSelectableRow() const { return m_firstSelRow; }
    const clsSheeRowAtr& RowAttributes(int32_t row) const;
    const cmcCellObj& BasicCell() const { return m_basic; }
    const clsSheetVariables& Variables() const { return m_variables; }
    cuiGrid& Grid() { return m_grid; }

    // Cell access; outside the grid, or before the cells exist, the program ends.
    clsSheetCellId& Slot(int32_t col, int32_t row);
    cmcCellObj& Cell(int32_t col, int32_t row) { return Slot(col, row).cell; }
    // The engine's display text of a cell with a label, else its caption.
    std::string CellText(int32_t col, int32_t row);

    // Engine request on a cell: a key or command code, its argument and, for a committed edit,
    // the typed text. Returns the engine's answer (0 when a selection list committed instead).
    int32_t Request(int32_t col, int32_t row, int32_t code, int32_t argument,
                    const std::string* typed = nullptr);
    // A popup menu item was chosen: its label goes to the engine with the current cell.
    void PopupCommand(int32_t label);

    // Grid events.
    bool CanSelect(int32_t col, int32_t row) const;  // may (col, row) become current
    void KeyDown(int32_t key, uint8_t modifiers);
    void KeyPress(char character);
    void MouseDown(int32_t x, int32_t y, bool rightButton, uint8_t modifiers);
    void MouseMove(int32_t x, int32_t y);
    void MouseUp(int32_t x, int32_t y, bool rightButton);
    void DoubleClick(int32_t x, int32_t y);
    void TimedScroll(uint8_t directions);
    void FocusEnter();
    void FocusLeave();
    void ColumnWidthsChanged();
    // Editor events: leaving or Enter commits; Up / Down commit and move; Escape drops the edit.
    void EditorKeyDown(int32_t key);
    void CommitEditor();
    // Makes (col, row) current as a click would; false when it may not become current.
    bool SelectCell(int32_t col, int32_t row, uint8_t modifiers = 0);
    // Fits a column to the widest caption of its fixed rows and display text of its data rows.
    void FitColumn(int32_t col);
    // The stored column widths of this sheet: load, save, delete.
    virtual void LoadColumnWidths();
    virtual void SaveColumnWidths();
    void DeleteColumnWidths();

    // Selection.
    bool IsSelected(int32_t col, int32_t row) const;
    bool IsRangeActive() const { return (m_state & kRangeActive) != 0; }
    int32_t AnchorCol() const { return m_anchorCol; }
    int32_t AnchorRow() const { return m_anchorRow; }

    // How a cell is painted, with the font colour and drawing the engine answers for it.
    clsCellPaint Paint(int32_t col, int32_t row);
    // The popup menu key in place ("" for none).
    const std::string& PopupMenuKey() const { return m_popupKey; }
    // The title a printed page carries.
    virtual std::string PrintedTitle() const { return m_title; }

protected:
    // Build steps a page sheet refines.
    virtual void SetArgument(const std::string& argument) { m_argument = argument; }
    virtual void ApplyStyleSetting(std::string_view group);
    // Applies one directive group of a ":" line; lineNumber is the body line's number.
    virtual void ApplyDirective(std::string_view group, int32_t lineNumber);
    virtual void PopulateCells();
    void PopulateRow(int32_t row);
    void FinishPopulating();
    void StartLoop(int32_t lineNumber, int32_t count);
    void SkipLines(int32_t count) { m_skip = count; }
    void SetTitle(const std::string& title) { m_title = title; }
    datCellFont& MutableTitleFont() { return m_titleFont; }
    cmcGTex& Store() { return m_store; }

private:
    // flags
    static constexpr uint8_t kSelectionList = 0x01;
    static constexpr uint8_t kNoPrint = 0x02;
    static constexpr uint8_t kColSizing = 0x04;
    static constexpr uint8_t kColorSelectLine = 0x08;
    // state
    static constexpr uint8_t kRangeActive = 0x02;
    static constexpr uint8_t kMouseHeld = 0x04;

    bool HasFlag(uint8_t flag) const { return (m_flags & flag) != 0; }
    void SetFlag(uint8_t flag, bool on);

    // sheet_build.cpp
    void ApplyStyle();
    void BuildBasicCell();
    void CountRowsAndColumns();
    void AppendRow(int32_t line);
    void ApplyDirectiveLine(std::string_view line, int32_t lineNumber);
    void ParseRowLine(int32_t row, const std::string& line);
    void FitCell(int32_t col, int32_t row);
    void ChooseCurrentCell();
    std::string BodyLine(int32_t lineNumber);
    bool IsInside(int32_t col, int32_t row) const;

    // sheet_widths.cpp
    bool IsDataColumn(int32_t col) const;
    std::string WidthRegistryName() const;
    void ClampColumnWidths();

    // sheet_navigation.cpp
    bool MoveBy(int32_t dCol, int32_t dRow, bool extend);
    bool FindStraight(int32_t dCol, int32_t dRow, bool wrap, int32_t& col, int32_t& row) const;
    bool FindNearest(int32_t dCol, int32_t dRow, int32_t& col, int32_t& row) const;
    void MoveCurrent(int32_t col, int32_t row, uint8_t modifiers);
    void ExtendSelection(int32_t col, int32_t row);
    void ClearSelection();
    void MarkLines();
    void CurrentCellChanged(int32_t oldCol, int32_t oldRow);
    void InvalidateRow(int32_t row);
    void UpdatePopupMenu(bool force);
    void RemovePopupMenu();
    int32_t ClickTarget(int32_t col, int32_t row) const;  // walks left over "T" cells

    // sheet_request.cpp
    void FillCapsule(cmcCellCapsule& capsule, int32_t col, int32_t row, const clsCellRect& rect);
    void CommitSelectionList(cmcCellCapsule& capsule);
    void SelectBinding(int32_t category, int32_t label, int32_t index);
    void SelectRange(int32_t label, int32_t low, int32_t high);
    void ScheduleRepeat(int32_t code);
    void RunRepeat();
    void RangeBounds(int32_t& low, int32_t& high) const;
    static void RepaintCallback(cuiSheet* sheet, uint8_t flags);
    static void OnEvent(void* context, const cmcEvent& event);
    void HandleEvent(const cmcEvent& event);
    void SendStatusClear();

    // sheet_paint.cpp
    void ComputeTints();
    bool CountsAsSelected(int32_t col, int32_t row) const;

    cuiGrid& m_grid;
    cmcGTex& m_store;
    const cmcTextMeasure& m_measure;
    clsSheetServices m_services;
    std::string m_nameSpec;
    std::string m_key;
    std::string m_argument;
    std::unique_ptr<cmcCellCapsule> m_ownerCapsule;
    std::unique_ptr<cmcCellObj> m_ownerCell;
    cuiImageList* m_imageList = nullptr;
    int32_t m_imageHeight = 0;
    clsEngineEntry m_engine = &EvaluateCell;
    indActiveCell m_context;
    int32_t m_initialLabel;
    int32_t m_initialIndex;
    bool m_building = false;
    bool m_built = false;
    bool m_printing = false;
    double m_scale = 1.0;
    int32_t m_defaultSize = 1;
    int32_t m_printerPpi = 0;
    int32_t m_screenPpi = 0;
    int32_t m_fontHeight = 0;
    int32_t m_savedCol = kNone;
    int32_t m_savedRow = kNone;
    int32_t m_savedLeft = kNone;
    int32_t m_savedTop = kNone;
    std::string m_title;
    datCellFont m_titleFont;
    uint32_t m_titleColour = kClGrayText;
    int32_t m_fixedCols = 0;
    int32_t m_fixedRows = 0;
    int32_t m_printFontRatio = 100;
    int32_t m_multiSelect = 0;  // 0 off, 1 cells, 2 lines
    uint8_t m_flags = 0;
    int32_t m_firstSelCol = 0;
    int32_t m_firstSelRow = 0;
    std::string m_popupKey;
    bool m_hasPopup = false;

    // Rows and the row-counting state.
    std::vector<clsSheeRowAtr> m_rows;
    int32_t m_cols = 0;
    int32_t m_skip = 0;
    int32_t m_loopStart = kNone;
    int32_t m_loopEnd = kNone;
    int32_t m_loopCount = 0;
    std::vector<int32_t> m_loopLines;  // body lines of the open loop's rows
    bool m_selectOn = true;
    std::vector<std::string> m_body;  // the body lines, read once per build

    bool m_resetWidths = false;
    bool m_loadingWidths = false;
    clsSheetVariables m_variables{};
    cmcCellObj m_basic;
    std::vector<clsSheetCellId> m_slots;

    clsSystemColours m_system;
    uint32_t m_selectionTint = 0;
    uint32_t m_rowTint = 0;
    int32_t m_lastArrowCol = kNone;
    int32_t m_lastArrowRow = kNone;
    int32_t m_anchorCol = 0;
    int32_t m_anchorRow = 0;
    uint8_t m_state = 0;
    int32_t m_askedCol = 0;  // the cell of the request running
    int32_t m_askedRow = 0;
    int32_t m_editorCol = kNone;
    int32_t m_editorRow = kNone;
    std::unique_ptr<cmcTimer> m_repeatTimer;
    int32_t m_repeatCode = 0;
    int32_t m_repeatDepth = 0;
};

// A pause of the first repeated request, and how much shorter each further one is.
constexpr int32_t kRepeatPauseMs = 30;
constexpr int32_t kRepeatPauseStepMs = 6;
// Width limits of a data column on screen.
constexpr int32_t kMinColumnWidth = 10;
constexpr int32_t kMaxColumnWidth = 650;
