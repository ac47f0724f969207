#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "overlay/cell_obj.h"

class cmcEvMan;
class cmcGTex;
struct cmcEvent;

// The platform's toolbar that a cuiToolBar fills, in line order. Buttons are named by their
// line number.
class cuiToolBarSurface {
public:
    virtual ~cuiToolBarSurface() = default;
    virtual void AddButton(int32_t button, int32_t imageIndex, const std::string& hint) = 0;
    // A gap between groups of buttons, width pixels wide.
    virtual void AddSeparator(int32_t width) = 0;
    // The buttons after it go on a new row.
    virtual void AddRowBreak() = 0;
    // A checked button is a check button shown pressed, else a plain button.
    virtual void SetButtonState(int32_t button, bool checked, bool enabled, int32_t imageIndex) = 0;
};

// The toolbar built from an overlay key (GI_ToolBar_Main): one line of its "_Body" section per
// button, each a cell whose text is the button's hint. A cell text "-" is a gap, "/" ends the
// row. A click asks the cell value engine to perform the button's label with Enter; on event 20
// every button takes the state the engine answers.
class cuiToolBar {
public:
    static constexpr int32_t kSeparatorWidth = 8;

    cuiToolBar(cmcGTex& store, cmcEvMan& events, const std::string& key,
               cuiToolBarSurface& surface);
    ~cuiToolBar();
    cuiToolBar(const cuiToolBar&) = delete;
    cuiToolBar& operator=(const cuiToolBar&) = delete;

    void Build();
    void Refresh();
    void Click(int32_t button);
    // The button's cell; none for a gap, a row break or an unknown button.
    const cmcCellObj* CellOf(int32_t button) const;

private:
    static void OnEvent(void* context, const cmcEvent& event);

    cmcGTex& m_store;
    cmcEvMan& m_events;
    std::string m_key;
    cuiToolBarSurface& m_surface;
    cmcCellObj m_basic;
    std::vector<std::unique_ptr<cmcCellObj>> m_cells;  // one per line; none for gaps and breaks
};
