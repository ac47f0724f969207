#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/choice_list.h"
#include "model/overlay_choice_source.h"
#include "overlay/gtex.h"
#include "sheets/radio_sheet.h"
#include "sheets/sheet.h"
#include "support/fake_engine_host.h"
#include "support/fake_grid.h"
#include "support/fake_text_measure.h"

// Remembers the popup menus a sheet builds and removes.
class RecordingPopupBuilder : public cuiPopupMenuBuilder {
public:
    void Build(const std::string& key) override { built.push_back(key); }
    void Remove() override { ++removed; }
    std::vector<std::string> built;
    int removed = 0;
};

class RecordingSheetHost : public cuiSheetHost {
public:
    void HideHost() override { ++hidden; }
    int hidden = 0;
};

// A small overlay of test sheets and the rest of the program around it, as the sheets and the
// cell value engine see it: a zeroed image, settings in memory, an event manager ticked by hand;
// texts and selection sheets come from the overlay, and every confirmation is refused. While it
// exists its store is the main store and it is the engine's host.
class SheetFixture : public FakeEngineHost {
public:
    // sections: overlay lines ("#Key", its lines, "#") added to the fixture's cell models.
    explicit SheetFixture(const std::vector<std::string>& sections);
    ~SheetFixture() override;

    // A page sheet of key on the fixture's grid, built.
    std::unique_ptr<iuiSheet> Page(const std::string& key, clsRadioSheetState state = {});
    clsSheetServices Services();

    cmcChoiceLists& ChoiceLists() override { return overlayChoiceLists; }
    std::string Text(const std::string& key, int32_t line) override {
        return store.GetLine(key, line);
    }

    std::vector<std::string> lines;  // the store reads them in place
    cmcGTex store;
    cmcOverlayChoiceSource overlayChoices{store};
    cmcChoiceLists overlayChoiceLists{overlayChoices};
    FakeGrid grid;
    FakeTextMeasure measure;
    RecordingPopupBuilder popups;
    RecordingSheetHost host;
};

// A row line of one cell per byte of mask: "S" a selectable cell, "." a hole; each cell's column is
// one character (7 pixels) plus 8 wide.
std::string SelectableRow(const std::string& mask);
