#include "app/warning_check.h"

#include <cstdint>

#include "model/cell_call.h"
#include "model/cell_request.h"
#include "overlay/cell_capsule.h"
#include "overlay/cell_obj.h"
#include "overlay/gtex.h"

namespace {
constexpr const char* kWarningCheckListKey = "GI_WarningCheckList";
}  // namespace

datWarningCheck RunWarningCheck(cmcGTex& gtex) {
    datWarningCheck check;
    clsSheetVariables variables{};
    for (int32_t line = 0;; ++line) {
        const std::string text = gtex.GetLine(kWarningCheckListKey, line);
        if (!text.empty() && text[0] == '#') break;
        cmcCellObj cell;
        cell.ParseCell(text, &variables, nullptr);
        indActiveCell context;
        cmcCellCapsule capsule;
        capsule.cell = &cell;
        EvaluateCell(context, capsule, false);
        check.lastNamesSheet = !cell.GetSuffix().empty();
        if (capsule.stateFlags & clsCellState::kError) {
            check.attention.push_back(cell.GetSuffix());
        } else if (capsule.stateFlags & clsCellState::kWarning) {
            check.duplicates.push_back(cell.GetSuffix());
        }
    }
    return check;
}
