#include "sheet_fixture.h"

#include "model/cell_call.h"
#include "model/cell_request.h"
#include "sheets/cell_paint.h"

namespace {

const std::vector<std::string> kModels = {
    "#CellModel_Basic",
    "<-(Color=clWindow)(Font=DEFAULT_CHARSET,,clWindowText,-15,,,)(PopupMenu=GI_PMenu_Edit)",
    "#",
    "#CellModel_Head",
    "^-WHBX(Color=clBtnFace)(Font=,,clBtnText,,,fsBold,)",
    "#",
    "#CellModel_Val",
    "S<-WHBX",
    "#",
    "#CellModel_Choice",
    "S<-WH(Color=clWindow)",
    "#",
    "#GI_Sheet_Sel_ChTag_Style",
    "(FixedRows=0)",
    "#",
    "#GI_Sheet_Sel_ChTag_BasicCell",
    "{($Choice)}",
    "#",
    "#GI_Sheet_Sel_ChTag_Cells",
    "{(%Flex0[0])}Off|",
    "{(%Flex0[1])}On|",
    "#",
    "#GI_AppMess_S_Insert",
    "Inserted.",
    "#",
    "#GI_CellWidthRegList",
    "GI_Sheet_IntCh:IntCh",
    "GI_Sheet_W:Widths",
    "GI_Sheet_Other:Other",
    "#",
    "#GI_AppInd_chSheet_Usable_Title",
    "(usable channels only)",
    "#",
    "#GI_AppInd_chSheet_Usable_Font",
    "DEFAULT_CHARSET,,clYellow,,12,fsBold,",
    "#",
};

}  // namespace

SheetFixture::SheetFixture(const std::vector<std::string>& sections)
    : lines(kModels), environ(settings, lock, screen) {
    lines.insert(lines.end(), sections.begin(), sections.end());
    lines.push_back("#End_Of_Ovl");
    store.SetSourceLines(lines);
    image.SetSize(kImageSize);
    SetMainGTex(&store);
    SetEngineHost(this);
}

SheetFixture::~SheetFixture() {
    SetEngineHost(nullptr);
    SetMainGTex(nullptr);
}

clsSheetServices SheetFixture::Services() {
    clsSheetServices services;
    services.events = &events;
    services.settings = &environ.Settings();
    services.columnWidths = &environ;
    services.popupMenus = &popups;
    services.host = &host;
    return services;
}

std::unique_ptr<iuiSheet> SheetFixture::Page(const std::string& key, clsRadioSheetState state) {
    if (state.image == nullptr) state.image = &image;
    auto sheet = std::make_unique<iuiSheet>(grid, store, key, measure, Services(), state);
    sheet->Build();
    return sheet;
}

std::string SelectableRow(const std::string& mask) {
    std::string row;
    for (char cell : mask)
        row += cell == 'S' ? "{SW}x|" : "{W}.|";
    return row;
}
