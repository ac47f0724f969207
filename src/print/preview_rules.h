#pragma once

#include <cstdint>
#include <string_view>

#include "overlay/cell_capsule.h"
#include "print/pagination.h"

// Which page of the preview is shown, and where the navigation may go from it.
class clsPreviewNavigation {
public:
    explicit clsPreviewNavigation(int32_t pageCount = 1) { SetPageCount(pageCount); }

    // A preview has at least one page (an empty one when nothing prints).
    void SetPageCount(int32_t count);
    int32_t PageCount() const { return m_count; }
    int32_t Current() const { return m_current; }  // 0-based

    void GoTo(int32_t page);  // clamped to the pages
    void First() { GoTo(0); }
    void Previous() { GoTo(m_current - 1); }
    void Next() { GoTo(m_current + 1); }
    void Last() { GoTo(m_count - 1); }
    // Enter in the page field: the typed page number (trimmed, decimal), clamped. A text that is
    // not a number leaves the page as it is; false then.
    bool GoToTyped(std::string_view text);

    bool CanGoBack() const { return m_current > 0; }          // Top and Previous Page
    bool CanGoOn() const { return m_current < m_count - 1; }  // Next and Last Page

private:
    int32_t m_count = 1;
    int32_t m_current = 0;
};

// The characters the page field takes as typed: digits, Backspace, "!" to "(" and ".".
bool PageFieldAccepts(char character);

// What a key does in the preview. keyCode is the platform's virtual key (33 Page Up, 34 Page Down,
// 37-40 Left, Up, Right, Down).
enum class PreviewKeyAction {
    None,
    PreviousPage,
    NextPage,
    ScrollUp,
    ScrollDown,
    ScrollLeft,
    ScrollRight
};
PreviewKeyAction PreviewKeyActionOf(int32_t keyCode, bool zoomOn);

// Zoom off: the page image fills the view, centred and shrunk in proportion (never enlarged).
clsCellRect FitPageImage(int32_t imageWidth, int32_t imageHeight, int32_t viewWidth,
                         int32_t viewHeight);

// A page shown again on a preview bitmap comes out a little different from the printer's
// measure: the block's columns and rows are adjusted until its extent is the recorded one. The
// width difference is shared among the block's columns in proportion to their widths, the height
// difference row by row in even steps; every step moves at least one pixel and no size goes
// below zero.
void StretchBlockToExtent(clsSheetSizes& sizes, const clsPageBlock& block, int32_t width,
                          int32_t height);
