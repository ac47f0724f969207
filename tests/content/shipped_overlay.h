#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/choice_list.h"
#include "model/eeprom.h"
#include "model/overlay_choice_source.h"
#include "overlay/cell_obj.h"
#include "overlay/gtex.h"
#include "support/fake_engine_host.h"

// The overlay files the program ships, read as the program reads them. While one exists it is
// the process's main store, so that cell models resolve against it.
class clsShippedOverlay {
public:
    clsShippedOverlay();
    ~clsShippedOverlay();
    clsShippedOverlay(const clsShippedOverlay&) = delete;
    clsShippedOverlay& operator=(const clsShippedOverlay&) = delete;

    // The lines of a section up to the first line that begins with "#".
    std::vector<std::string> Lines(const std::string& key);
    // Every cell of a row line, parsed with parent (none for a list's cells).
    std::vector<cmcCellObj> ParseRow(const std::string& row, const cmcCellObj* parent,
                                     clsSheetVariables& variables);
    // The cell of a menu or tree item line: the text after its first "+".
    cmcCellObj ParseItem(const std::string& line, const cmcCellObj& parent);
    // The sheet names of the page tree's nodes, in tree order.
    std::vector<std::string> TreeSheets();
    // The sheet names of the nodes the page tree shows, maker mode off, for a document of the
    // model type: the USA, Canada and weather banks only while the image switches them on, the
    // ATIS page only for the European types, the handheld page only for handhelds.
    std::vector<std::string> ShownSheets(int32_t modelType, const cmcEeprom& image);

    cmcGTex store;
    cmcHelpGTex help;
};

// The rest of the program as the cell value engine sees it, around one initial image and the
// shipped overlay: texts and selection sheets come from the overlay, and every confirmation is
// refused. It is the engine's host until the object goes.
class clsShippedHost : public FakeEngineHost {
public:
    explicit clsShippedHost(clsShippedOverlay& overlay);
    ~clsShippedHost() override;

    // Loads the initial image of the model type and makes it the current one; false on failure.
    bool LoadInitialImage(int32_t modelType);

    cmcChoiceLists& ChoiceLists() override { return m_choiceLists; }
    std::string Text(const std::string& key, int32_t line) override;

private:
    clsShippedOverlay& m_overlay;
    cmcOverlayChoiceSource m_choiceSource;
    cmcChoiceLists m_choiceLists;
};

constexpr int32_t kModelTypeCount = 16;
