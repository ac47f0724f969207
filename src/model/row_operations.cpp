#include "model/row_operations.h"

#include <algorithm>

#include "base/event_manager.h"
#include "model/cell_call.h"
#include "model/channel_clipboard.h"
#include "model/engine_host.h"
#include "model/engine_status.h"

namespace {

// Only the waypoint list may be rearranged; the channel lists keep their rows in place.
constexpr clsRowRange kFixedRows{0, 0, false};
constexpr clsRowRange kWaypointRowRange{0, kWaypointRows - 1, true};

struct Rows {
    cmcEeprom& image;
    clsRecordGroup group;
    clsRowRange range;
    int32_t first;  // selection
    int32_t last;
};

bool AnyInUse(const Rows& rows, int32_t first, int32_t last) {
    datCh record(&rows.image);
    for (int32_t i = first; i <= last; ++i) {
        record.LoadRecord(rows.group, i);
        if (record.IsInUse()) return true;
    }
    return false;
}

void Select(clsCellCall& call, int32_t first, int32_t last) {
    call.sheetFlags |= clsSheetFlag::kSelectRange;
    call.rangeLow = first;
    call.rangeHigh = last;
}

void MoveTo(clsCellCall& call, int32_t index) {
    call.moveRequest = 1;
    call.moveIndex = index;
}

void RepaintSheet(clsCellCall& call) {
    call.host.Events().Post(cmcEvCode::RepaintAll, 0, 0);
}

void RepaintRow(clsCellCall& call, int32_t index) {
    call.host.Events().Post(cmcEvCode::RepaintIndex, 0, index);
}

// Copies rows first..last into a temporary buffer and writes them back from `to` on.
void MoveRows(const Rows& rows, int32_t first, int32_t last, int32_t to) {
    datClipCh buffer;
    buffer.CopyRows(rows.image, rows.group, first, last - first + 1);
    buffer.PasteRows(rows.image, rows.group, to, last - first + 1);
}

void BlankRows(const Rows& rows, int32_t first, int32_t last) {
    datClipCh blanks;
    blanks.MakeBlankRows(rows.image, rows.group, first, last - first + 1);
    blanks.PasteRows(rows.image, rows.group, first, last - first + 1);
}

void Copy(clsCellCall& call, const Rows& rows) {
    call.host.Clipboard().CopyRows(rows.image, rows.group, rows.first, rows.last - rows.first + 1);
    Select(call, rows.first, rows.last);
    ShowStatus(call.host, "GI_AppMess_S_Copy");
}

void Paste(clsCellCall& call, const Rows& rows) {
    cmcClipCh& clipboard = call.host.Clipboard();
    if (!clipboard.CanPaste(rows.group)) return;
    const int32_t at = call.record.index;
    const int32_t count = std::min(rows.range.last - at + 1, clipboard.Count());
    if (AnyInUse(rows, at, at + count - 1) && !call.host.Confirm("GI_AppMess_Conv_Overwrite")) {
        return;
    }
    clipboard.PasteRows(rows.image, rows.group, at, count);
    if (count == 1) {
        RepaintRow(call, at);
    } else {
        RepaintSheet(call);
    }
    Select(call, at, at + count - 1);
    ShowStatus(call.host, "GI_AppMess_S_Paste");
}

void MoveUp(clsCellCall& call, const Rows& rows) {
    if (rows.first <= rows.range.first) return;
    datClipCh neighbour;
    neighbour.CopyRows(rows.image, rows.group, rows.first - 1, 1);
    MoveRows(rows, rows.first, rows.last, rows.first - 1);
    neighbour.PasteRows(rows.image, rows.group, rows.last, 1);
    Select(call, rows.first - 1, rows.last - 1);
    MoveTo(call, rows.first - 1);
    RepaintSheet(call);
}

void MoveDown(clsCellCall& call, const Rows& rows) {
    if (rows.last >= rows.range.last) return;
    datClipCh neighbour;
    neighbour.CopyRows(rows.image, rows.group, rows.last + 1, 1);
    MoveRows(rows, rows.first, rows.last, rows.first + 1);
    neighbour.PasteRows(rows.image, rows.group, rows.first, 1);
    Select(call, rows.first + 1, rows.last + 1);
    MoveTo(call, rows.last + 1);
    RepaintSheet(call);
}

void Clear(clsCellCall& call, const Rows& rows) {
    if (!rows.range.mayClear || !call.host.Confirm("GI_AppMess_Conv_Clear")) return;
    BlankRows(rows, rows.first, rows.last);
    for (int32_t i = rows.first; i <= rows.last; ++i)
        RepaintRow(call, i);
    ShowStatus(call.host, "GI_AppMess_S_Clear");
}

void Delete(clsCellCall& call, const Rows& rows) {
    if (!rows.range.mayClear) return;
    if (AnyInUse(rows, rows.first, rows.last) && !call.host.Confirm("GI_AppMess_Conv_Delete")) {
        return;
    }
    const int32_t count = rows.last - rows.first + 1;
    if (rows.last < rows.range.last) MoveRows(rows, rows.last + 1, rows.range.last, rows.first);
    BlankRows(rows, rows.range.last - count + 1, rows.range.last);
    call.sheetFlags &= static_cast<uint8_t>(~clsSheetFlag::kSelectRange);
    MoveTo(call, rows.first);
    RepaintSheet(call);
    ShowStatus(call.host, "GI_AppMess_S_Delete");
}

void Insert(clsCellCall& call, const Rows& rows) {
    if (!rows.range.mayClear) return;
    const int32_t count = rows.last - rows.first + 1;
    if (AnyInUse(rows, rows.range.last - count + 1, rows.range.last) &&
        !call.host.Confirm("GI_AppMess_Conv_Overflow")) {
        return;
    }
    if (rows.last < rows.range.last) {
        MoveRows(rows, rows.first, rows.first + (rows.range.last - rows.last) - 1, rows.last + 1);
    }
    BlankRows(rows, rows.first, rows.last);
    RepaintSheet(call);
    Select(call, rows.first, rows.last);
    ShowStatus(call.host, "GI_AppMess_S_Insert");
}

}  // namespace

clsRowRange RowRangeOf(clsRecordGroup group) {
    return group == clsRecordGroup::Waypoint ? kWaypointRowRange : kFixedRows;
}

void RunRowOperation(clsCellCall& call) {
    datCh& record = call.record;
    const clsRowRange range = RowRangeOf(record.group);
    const int32_t index = record.index;
    if (record.group == clsRecordGroup::None || index < range.first || index > range.last) return;
    const bool ranged = (call.sheetFlags & clsSheetFlag::kRangeActive) != 0;
    const int32_t low = ranged ? std::min(call.rangeLow, call.rangeHigh) : index;
    const int32_t high = ranged ? std::max(call.rangeLow, call.rangeHigh) : index;
    // A selection reaching past the range is cut to it.
    const Rows rows{*record.image, record.group, range, std::max(low, range.first),
                    std::min(high, range.last)};
    if (rows.first > rows.last) return;
    switch (call.argument) {
        case CL_PMenu_Copy:
            Copy(call, rows);
            break;
        case CL_PMenu_Paste:
            Paste(call, rows);
            break;
        case CL_PMenu_CarryUp:
            MoveUp(call, rows);
            break;
        case CL_PMenu_CarryDown:
            MoveDown(call, rows);
            break;
        case CL_PMenu_Clear:
            Clear(call, rows);
            break;
        case CL_PMenu_Delete:
            Delete(call, rows);
            break;
        case CL_PMenu_Insert:
            Insert(call, rows);
            break;
        default:
            break;
    }
    record.LoadRecord(record.group, index);
}
