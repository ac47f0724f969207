#include "app/main_controller.h"

#include "app/environ.h"
#include "app/image_identity.h"
#include "base/event_manager.h"
#include "model/address_range.h"
#include "model/cell_request.h"
#include "model/clone_file.h"
#include "overlay/gtex.h"
#include "platform/fatal.h"
#include "platform/path_parts.h"
#include "platform/string_format.h"

namespace {

constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";
constexpr const char* kUntitledName = "Untitled";
constexpr const char* kSelfCheckText = "Self Check Error.\nEEPROM Map is too large.";
// The window keeps at least this much of itself on the work area.
constexpr int32_t kVisibleMargin = 16;

}  // namespace

cuiMain::cuiMain(const datControllerLinks& links, const std::string& modelName, int32_t imageSize)
    : m_environ(links.environ),
      m_gtex(links.gtex),
      m_helpGTex(links.helpGTex),
      m_events(links.events),
      m_host(links.host),
      m_clock(links.clock),
      m_imageSize(imageSize),
      m_cloneMan(links.serial, links.timers, links.clock, links.host, links.gtex,
                 links.environ.Settings()),
      m_choiceLists(links.choices) {
    const std::string folder = ProgramFolder();
    m_gtex.SetSourceFile(StringPrintf("%s%s.OVL", folder.c_str(), modelName.c_str()));
    m_helpGTex.SetSourceFile(StringPrintf("%s%sH.OVL", folder.c_str(), modelName.c_str()));

    m_workingDirectory = m_environ.Settings().currentDirectory;
    if (m_workingDirectory.empty()) m_workingDirectory = m_host.DocumentsFolder();
    if (m_workingDirectory.empty()) m_workingDirectory = m_host.CurrentDirectory();

    m_working.SetSize(m_imageSize);
    m_template.Assign(m_working);

    m_tick = cmcTask::Create(links.timers);
    m_tick->SetCallback([this](cmcTask&) { OnTick(); });
    m_events.AddListener(&cuiMain::OnEvent, this);
    SetEngineHost(this);
    cuiMain::Reset();
}

cuiMain::~cuiMain() {
    SetEngineHost(nullptr);
    m_tick->SetInterval(-1);
    m_events.RemoveListener(&cuiMain::OnEvent, this);
}

void cuiMain::Reset() {
    SetModelCodes(0, 0);
    m_cloneMan.SetInfoCheck([this](dst_CDrv_Result& result) { CheckModelReply(result); });
    m_cloneMan.SetReadCheck([this](dst_CDrv_Result& result) { CheckReadImage(result); });
}

void cuiMain::SetModelCodes(int32_t modelCode, int32_t subCode) {
    m_modelCode = modelCode;
    m_subCode = subCode;
}

void cuiMain::Setup(cuiFrame* frame, const std::vector<std::string>&) {
    m_frame = frame;
    int32_t& modelType = m_environ.Settings().modelType;
    if (modelType < 0 || modelType >= kModelTypeCount) modelType = 0;
    LoadTemplate(modelType);

    m_working.Assign(m_template);
    MarkSaved();
    CloseSheet();
    m_compare.Assign(m_template);

    m_events.Send(cmcEvCode::SettingsChanged, 0, 0);
    BuildTree();

    // The memory map compiled into the cell value engine addresses a full radio image.
    if (m_imageSize < kImageSize) FatalError(kSelfCheckText);
    if (m_frame) m_tick->SetInterval(kControllerTickMs);
}

void cuiMain::BuildTree() {
    if (!m_frame) return;
    m_tree.reset();
    m_tree = m_frame->CreateTree();
    m_tree->CheckWarnings();
    CloseSheet();
    m_tree->Show();
    m_events.Send(cmcEvCode::SheetsChanged, 0, 0);
    m_tree->SelectFirstNode();
}

bool cuiMain::IsForeignImage(const cmcEeprom&) {
    return true;
}

bool cuiMain::IsNewerImage(const cmcEeprom&) {
    return false;
}

void cuiMain::SyncModelToImage(cmcEeprom&) {}

void cuiMain::NormaliseImage(cmcEeprom&, int32_t) {}

std::unique_ptr<cuiSheetView> cuiMain::CreateSheet(const datSheetOpening& opening) {
    return m_frame ? m_frame->CreateSheet(opening) : nullptr;
}

bool cuiMain::MayWriteRadio() {
    return true;
}

void cuiMain::OnAboutKey(char) {}

int32_t cuiMain::ModelType() const {
    return m_environ.Settings().modelType;
}

void cuiMain::LoadTemplate(int32_t modelType) {
    const std::string path = ProgramFolder() + m_gtex.GetLine("GI_App_InitialFile", modelType);
    cmcClnFile file;
    file.SetImage(m_template);
    file.SetModelCode(m_modelCode);
    file.SetSubCode(m_subCode);
    file.SetMapRevisionCheck([](int32_t revision) { return revision == kMapRevision; });
    file.SetReporter([this](CloneFileResult result) { ShowFileError(result); });
    if (file.Load(path, kCloneFileRanges) != CloneFileResult::kOk || IsForeignImage(m_template)) {
        FatalError(StringPrintf("Cannot open '%s'.", path.c_str()));
    }
    NormaliseImage(m_template, 0);
}

void cuiMain::ChangeModel(int32_t modelType, bool ask) {
    if (modelType == ModelType()) return;
    if (ask && Message(GetMultiLineText(m_gtex, "GI_AppMess_ChangeModel"), cmcMessageIcon::Warning,
                       cmcMessageButtons::OkCancel) != cmcMessageAnswer::Ok) {
        return;
    }
    m_environ.Settings().modelType = modelType;
    LoadTemplate(modelType);
    if (ask) {
        m_working.Assign(m_template);
        MarkSaved();
        SetDocumentPath("");
    }
    BuildTree();
}

void cuiMain::OpenSheet(const std::string& name) {
    CloseSheet();
    datSheetOpening opening;
    opening.name = name;
    if (const datGridPlace* place = m_history.Find(name)) opening.place = *place;
    opening.fontChanged = m_fontChanged;
    m_fontChanged = false;
    m_sheet = CreateSheet(opening);
    if (!m_sheet) return;
    m_sheetName = name;
    m_sheet->Show();
    if (m_gridHadFocus) {
        if (m_sheet->IsGridEnabled()) {
            m_sheet->FocusGrid();
        } else if (m_tree) {
            m_tree->Focus();
        }
    }
}

void cuiMain::CloseSheet() {
    if (!m_sheet) return;
    if (m_sheet->IsGridShowing()) {
        m_history.Remember(m_sheetName, m_sheet->GridPlace());
        m_gridHadFocus = !m_tree || !m_tree->IsActiveControl();
    }
    m_sheet.reset();
    m_sheetName.clear();
}

void cuiMain::ScheduleWarningCheck() {
    if (!m_warningRecheck) m_warningRecheck = std::make_unique<cmcTick>(m_clock);
    m_warningRecheck->Start(kWarningRecheckMs);
}

void cuiMain::OnTick() {
    if (!m_sheet && m_frame && m_frame->IsVisible()) {
        if (m_tree) {
            m_tree->ActivateSelectedNode();
        } else if (!m_history.IsEmpty()) {
            OpenSheet(m_history.NewestName());
        }
    }
    if (m_warningRecheck && m_warningRecheck->HasExpired()) {
        m_warningRecheck.reset();
        if (m_tree) m_tree->CheckWarnings();
        m_events.Post(cmcEvCode::WarningsRecomputed, 0, 0);
    }
}

bool cuiMain::IsModified() {
    if (!m_modified && m_working.Differs(m_saved)) MarkModified();
    return m_modified;
}

void cuiMain::MarkSaved() {
    m_saved.Assign(m_working);
    m_modified = false;
    UpdateCaption();
}

void cuiMain::MarkModified() {
    m_modified = true;
    UpdateCaption();
}

std::string cuiMain::GetDocumentPath() const {
    if (!m_documentPath.empty()) return m_documentPath;
    return WithTrailingSeparator(m_workingDirectory) + kUntitledName;
}

void cuiMain::SetDocumentPath(const std::string& path) {
    m_documentPath = path;
    UpdateCaption();
}

void cuiMain::UpdateCaption() {
    m_caption = FileNameOf(GetDocumentPath()) + " - " + m_gtex.GetFirstLine(kAppTitleKey);
    if (m_frame) m_frame->SetCaption(m_caption);
}

cmcRect cuiMain::InitialWindowRect() {
    const datSettings& settings = m_environ.Settings();
    const cmcRect area = m_host.WorkArea();
    int32_t left = settings.left;
    int32_t top = settings.top;
    if (left > area.right - kVisibleMargin) left = area.right - kVisibleMargin;
    if (top > area.bottom - kVisibleMargin) top = area.bottom - kVisibleMargin;
    if (left + settings.width < area.left + kVisibleMargin) {
        left = area.left + kVisibleMargin - settings.width;
    }
    if (top < area.top) top = area.top;
    return {left, top, left + settings.width, top + settings.height};
}

bool cuiMain::QueryClose() {
    return ConfirmSaveChanges(false) != cmcMessageAnswer::Cancel;
}

void cuiMain::OnClose() {
    if (const std::optional<cmcRect> rect = m_host.MainWindowRect()) {
        datSettings& settings = m_environ.Settings();
        settings.left = rect->left;
        settings.top = rect->top;
        settings.width = rect->right - rect->left;
        settings.height = rect->bottom - rect->top;
        if (m_frame) settings.splitterV = m_frame->TreePanelWidth();
    }
    m_tick->SetInterval(-1);
    m_sheet.reset();
    m_sheetName.clear();
    m_tree.reset();
}

std::string cuiMain::Text(const std::string& key, int32_t line) {
    return m_gtex.GetLine(key, line);
}

bool cuiMain::Confirm(const std::string& key) {
    return Message(GetMultiLineText(m_gtex, key), cmcMessageIcon::Warning,
                   cmcMessageButtons::OkCancel) == cmcMessageAnswer::Ok;
}

void cuiMain::RefreshAfterEdit() {
    IsModified();
    ScheduleWarningCheck();
}

void cuiMain::RunCommand(clsHostCommand command, int32_t argument, const std::string& text) {
    switch (command) {
        case clsHostCommand::FileNew:
            NewDocument();
            break;
        case clsHostCommand::FileOpen:
            OpenDocument();
            break;
        case clsHostCommand::FileSave:
            SaveDocument();
            break;
        case clsHostCommand::FileSaveAs:
            SaveAsDocument();
            break;
        case clsHostCommand::OpenRecentFile: {
            const std::string path = m_environ.Recent().Path(argument);
            if (!path.empty()) OpenPath(path);
            break;
        }
        case clsHostCommand::ReopenSheet:
            // The tick builds the page again, in the new font size.
            m_fontChanged = true;
            CloseSheet();
            break;
        case clsHostCommand::ChangeModel:
            ChangeModel(argument, true);
            break;
        case clsHostCommand::OpenSheet:
            OpenSheet(text);
            break;
        default:
            if (m_frame) m_frame->RunWindowCommand(command, argument, text);
            break;
    }
}

datSettings& cuiMain::Settings() {
    return m_environ.Settings();
}

std::string cuiMain::RecentDisplayName(int32_t entry) {
    return m_environ.Recent().DisplayName(entry, m_workingDirectory);
}

bool cuiMain::CanPrintCurrentSheet() {
    return m_sheet && m_sheet->CanPrint();
}

void cuiMain::OpenSelectionList(const clsCellCall& call, const std::string& sheetKey, int32_t label,
                                int32_t value) {
    if (m_frame) m_frame->OpenSelectionList(call, sheetKey, label, value);
}

void cuiMain::OpenEntryDialog(const clsCellCall& call, const std::string& text, int32_t mode) {
    if (m_frame) m_frame->OpenEntryDialog(call, text, mode);
}

cmcMessageAnswer cuiMain::Message(const std::string& text, cmcMessageIcon icon,
                                  cmcMessageButtons buttons) {
    return m_host.ShowMessage(m_gtex.GetFirstLine(kAppTitleKey), text, icon, buttons);
}

std::string cuiMain::ProgramFolder() {
    return WithTrailingSeparator(FolderOf(m_host.ExecutablePath()));
}

void cuiMain::AdoptDocument(const std::string& path) {
    m_workingDirectory = FolderOf(path);
    m_environ.Settings().currentDirectory = m_workingDirectory;
    SetDocumentPath(path);
    m_environ.Recent().PushFront(path);
}

void cuiMain::OnEvent(void* context, const cmcEvent& event) {
    static_cast<cuiMain*>(context)->HandleEvent(event);
}

void cuiMain::HandleEvent(const cmcEvent& event) {
    switch (event.code) {
        case cmcEvCode::SettingsChanged:
            m_events.Send(cmcEvCode::RefreshMenus, 0, 0);
            m_events.Send(cmcEvCode::RefreshToolbar, 0, 0);
            break;
        case cmcEvCode::ShowAbout:
            if (m_frame) m_frame->ShowAbout();
            break;
        case cmcEvCode::StatusMessage:
            m_messageTextColour = static_cast<uint32_t>(event.first);
            m_messageBackgroundColour = static_cast<uint32_t>(event.second);
            m_messageText = event.Text();
            if (m_frame) m_frame->RepaintStatusBar();
            break;
        default:
            break;
    }
}
