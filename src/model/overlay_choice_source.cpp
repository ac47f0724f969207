#include "model/overlay_choice_source.h"

#include <string_view>

#include "overlay/cell_obj.h"
#include "overlay/gtex.h"

std::vector<clsChoiceCell> cmcOverlayChoiceSource::Cells(const std::string& sheetKey,
                                                         int32_t* lineCount) {
    const std::string section = sheetKey + "_Cells";
    std::vector<clsChoiceCell> cells;
    clsSheetVariables variables{};
    int32_t line = 0;
    for (;; ++line) {
        const std::string row = m_store.GetLine(section, line);
        if (!row.empty() && row[0] == '#') break;
        cmcCellObj cell;
        std::string_view rest = row;
        int32_t column = 0;
        do {
            rest = cell.ParseCell(rest, &variables, nullptr);
            const std::string& text =
                cell.GetSuffix().empty() ? cell.GetCaption() : cell.GetSuffix();
            cells.push_back({cell.GetLabel(), cell.GetIndex(), text, line, column++});
        } while (!rest.empty());
    }
    *lineCount = line;
    return cells;
}
