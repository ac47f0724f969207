// The main menu's and toolbar's commands: each runs on Enter and answers its item's state
// (checked, hidden, disabled, a new caption) when the menus refresh.

#include <string>

#include "base/event_manager.h"
#include "base/settings.h"
#include "model/cell_call.h"
#include "model/engine_host.h"
#include "model/label_table.h"
#include "platform/string_format.h"

namespace {

constexpr int32_t kLastFixedPort = 4;  // ports above come from the port dialog

datSettings& Settings(clsCellCall& call) {
    return call.host.Settings();
}

bool Activated(const clsCellCall& call) {
    return call.code == clsKey::kEnter;
}

void CheckWhen(clsCellCall& call, bool checked) {
    if (checked) call.itemState |= clsItemState::kChecked;
}

// Runs a command on Enter, the item's numeric parameter as its argument.
template <clsHostCommand command>
void Command(clsCellCall& call) {
    call.text = call.caption;
    if (Activated(call)) call.host.RunCommand(command, call.index, call.suffix);
}

void PrintCurrent(clsCellCall& call) {
    Command<clsHostCommand::PrintCurrentSheet>(call);
    if (!call.host.CanPrintCurrentSheet()) call.itemState |= clsItemState::kDisabled;
}

// "&1 name" for the first recent file; "&" in a file name is doubled so that it shows.
void RecentFile(clsCellCall& call) {
    call.text = call.caption;
    const std::string name = call.host.RecentDisplayName(call.index);
    if (name.empty()) {
        call.itemState |= clsItemState::kDisabled;
        if (call.index != 0) call.itemState |= clsItemState::kHidden;
        return;
    }
    std::string shown;
    for (const char c : name)
        shown += c == '&' ? std::string("&&") : std::string(1, c);
    call.text = StringPrintf("&%d %s", call.index + 1, shown.c_str());
    call.itemState |= clsItemState::kCaptionReplaced;
    if (Activated(call)) call.host.RunCommand(clsHostCommand::OpenRecentFile, call.index, "");
}

void EditTop(clsCellCall& call) {
    call.text = call.caption;
    // The Edit menu falls back to the "no item" list unless a sheet puts its own items there.
    call.host.Events().PostText(cmcEvCode::MenuSetItems, 0, CL_Menu_Edit_Top, "GI_PMenu_NoItem");
}

void FontSize(clsCellCall& call) {
    call.text = call.caption;
    if (Activated(call)) {
        Settings(call).fontSizePercentage = call.index;
        call.host.RunCommand(clsHostCommand::ReopenSheet, call.index, "");
    }
    CheckWhen(call, Settings(call).fontSizePercentage == call.index);
}

void Toolbar(clsCellCall& call) {
    call.text = call.caption;
    if (Activated(call)) {
        Settings(call).toolbarVisible = Settings(call).toolbarVisible != 0 ? 0 : 1;
        call.host.RunCommand(clsHostCommand::ShowToolbar, Settings(call).toolbarVisible, "");
    }
    CheckWhen(call, Settings(call).toolbarVisible != 0);
}

void Port(clsCellCall& call) {
    call.text = call.caption;
    if (Activated(call)) {
        Settings(call).comPort = call.index;
        call.host.Events().Send(cmcEvCode::SettingsChanged, 0, 0);
    }
    CheckWhen(call, Settings(call).comPort == call.index);
}

template <int32_t mode>
void PortDialog(clsCellCall& call) {
    call.text = call.caption;
    if (Activated(call)) call.host.RunCommand(clsHostCommand::PortDialog, mode, "");
}

void OtherPort(clsCellCall& call) {
    PortDialog<0>(call);
    CheckWhen(call, Settings(call).comPort > kLastFixedPort);
}

void Speed(clsCellCall& call) {
    call.text = call.caption;
    if (Activated(call)) Settings(call).comSpeedHigh = call.index;
    CheckWhen(call, Settings(call).comSpeedHigh == call.index);
}

void Model(clsCellCall& call) {
    Command<clsHostCommand::ChangeModel>(call);
    CheckWhen(call, Settings(call).modelType == call.index);
}

void About(clsCellCall& call) {
    call.text = call.caption;
    if (Activated(call)) call.host.Events().Post(cmcEvCode::ShowAbout, 0, 0);
}

constexpr clsLabelEntry kLabels[] = {
    {CL_Menu_File_New, Command<clsHostCommand::FileNew>},
    {CL_Menu_File_Open, Command<clsHostCommand::FileOpen>},
    {CL_Menu_File_Save, Command<clsHostCommand::FileSave>},
    {CL_Menu_File_SaveAs, Command<clsHostCommand::FileSaveAs>},
    {CL_Menu_File_Print_Current, PrintCurrent},
    {CL_Menu_File_Print_All, Command<clsHostCommand::PrintAllSheets>},
    {CL_Menu_File_Recent, RecentFile},
    {CL_Menu_File_Exit, Command<clsHostCommand::Exit>},
    {CL_Menu_Edit_Top, EditTop},
    {CL_Menu_View_FontSize, FontSize},
    {CL_Menu_View_ToolBar, Toolbar},
    {CL_Menu_Port_Com, Port},
    {CL_Menu_Port_Usb, OtherPort},
    {CL_Menu_Port_ComList0, PortDialog<0>},
    {CL_Menu_Port_ComList1, PortDialog<1>},
    {CL_Menu_Port_ComList2, PortDialog<2>},
    {CL_Menu_Port_SpeedHigh, Speed},
    {CL_Menu_Clone_Read, Command<clsHostCommand::CloneRead>},
    {CL_Menu_Clone_Write, Command<clsHostCommand::CloneWrite>},
    {CL_Menu_Clone_Info, Command<clsHostCommand::CloneInformation>},
    {CL_Model, Model},
    {CL_Help_About, About},
    {CL_Help_Contents, Command<clsHostCommand::HelpContents>},
};

}  // namespace

std::span<const clsLabelEntry> MenuLabels() {
    return kLabels;
}
