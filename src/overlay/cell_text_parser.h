#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "overlay/cell_obj.h"

// Reads one cell text of the description language into a cell: the attribute string (flag
// letters and "(...)" groups) and the caption. Used by cmcCellObj::ParseCell only.
class cmcCellTextParser {
public:
    cmcCellTextParser(cmcCellObj& cell, clsSheetVariables* variables)
        : m_cell(cell), m_variables(variables) {}

    // The cell has been reset from its parent.
    void Parse(std::string_view cellText);

private:
    void ApplyAttributes(std::string_view attributes);
    void ApplyFlagLetter(char letter, bool clear);
    void ApplyGroup(std::string_view group);
    void ApplyModel(std::string_view name);
    void ApplyFont(std::string_view fields);
    void ApplyBinding(std::string_view binding);
    void ApplyVariableCommand(std::string_view group);
    void ApplyOptionFlag(std::string_view group);
    void SetCaptionFrom(std::string_view text);
    std::string Expression(std::string_view text);

    // The variable named by "@ch" and one digit at the start of text; *length becomes the length
    // of the reference. A bad reference, or a sheet without variables, ends the program.
    int32_t& Variable(std::string_view text, size_t* length);

    cmcCellObj& m_cell;
    clsSheetVariables* m_variables;
    std::vector<std::string> m_modelsInUse;  // the cell models being expanded, outermost first
};
