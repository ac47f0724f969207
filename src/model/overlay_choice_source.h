#pragma once

#include <string>
#include <vector>

#include "model/choice_list.h"

class cmcGTex;

// Reads the selection sheets of the choice lists from an overlay store: the cells of each line of
// the sheet's "_Cells" section, parsed without a parent and with a private set of variables, the
// way a sheet's rows would count them.
class cmcOverlayChoiceSource : public clsChoiceSource {
public:
    explicit cmcOverlayChoiceSource(cmcGTex& store) : m_store(store) {}

    std::vector<clsChoiceCell> Cells(const std::string& sheetKey, int32_t* lineCount) override;

private:
    cmcGTex& m_store;
};
