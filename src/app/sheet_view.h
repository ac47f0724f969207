#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Where a sheet's grid stood: its current cell and its scroll position.
struct datGridPlace {
    int32_t column = 0;
    int32_t row = 0;
    int32_t leftColumn = 0;
    int32_t topRow = 0;
};

// The binding of a sheet cell: what it shows of the image.
struct datCellBinding {
    int32_t category = 0;
    int32_t label = 0;
    int32_t index = 0;
};

// How the controller asks for a page: the full sheet name ("[prefix]key,argument"), the place to
// put the grid back to when the page was open before, and whether the font size has changed
// since the last page was built.
struct datSheetOpening {
    std::string name;
    std::optional<datGridPlace> place;
    bool fontChanged = false;
};

// The page in the sheet panel, as the main controller uses it. The GUI's sheets implement it.
class cuiSheetView {
public:
    virtual ~cuiSheetView() = default;

    virtual void Show() = 0;
    // Whether the grid is built and showing (only then is its place worth remembering).
    virtual bool IsGridShowing() = 0;
    virtual datGridPlace GridPlace() = 0;
    // A grid without any selectable cell is disabled.
    virtual bool IsGridEnabled() = 0;
    virtual void FocusGrid() = 0;
    // The bound cell under the grid cursor; none when the cursor's cell has no binding.
    virtual std::optional<datCellBinding> CursorCell() = 0;
    // Moves the cursor to the selectable cell of that binding, when the sheet has one.
    virtual void MoveCursorTo(const datCellBinding& cell) = 0;
    // False when the sheet's style excludes it from printing.
    virtual bool CanPrint() = 0;
};
