#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/frame.h"
#include "app/sheet_history.h"
#include "base/task.h"
#include "base/tick.h"
#include "clone/clone_manager.h"
#include "model/channel_clipboard.h"
#include "model/choice_list.h"
#include "model/clone_file_result.h"
#include "model/eeprom.h"
#include "model/engine_host.h"
#include "platform/host.h"

class cmcClnFile;
class cmcEvMan;
class cmcGTex;
class cmcHelpGTex;
class cmcTimerService;
class indEnviron;
struct cmcEvent;

// The main controller: the spine of the program. It owns the memory images (the working image
// the user edits, the template of the current model type, the image as last saved, and the maker
// tools' reference copy), the page tree and the page in view, the document state and the 50 ms
// tick, and it is the cell value engine's host: every menu command ends up here.
//
// Where to start reading: Setup brings the program up; the document commands (New, Open, Save)
// are in document_commands.cpp; RunCommand dispatches the menu commands. cuiMain knows nothing of
// the radio model; indMain (radio_controller.h) adds what is particular to this model through the
// virtual operations.
//
// The window is reached through cuiFrame (tree, pages, caption, status bar), the desktop through
// cmcHost (message boxes, dialogs, cursor, folders); both are interfaces, so the whole controller
// runs without a GUI.

// The process-wide objects and platform services the controller works with; all outlive it.
struct datControllerLinks {
    indEnviron& environ;
    cmcGTex& gtex;
    cmcHelpGTex& helpGTex;
    cmcEvMan& events;
    cmcHost& host;
    cmcSerialBackend& serial;
    cmcTimerService& timers;
    cmcClock& clock;
    clsChoiceSource& choices;
};

// The clone information record: the first bytes of the info block of the radio's last accepted
// model reply.
constexpr int32_t kCloneInfoSize = 48;

class cuiMain : public cmcEngineHost {
public:
    // Points the overlay stores at modelName's overlay files in the program's folder and makes
    // the images imageSize bytes long.
    cuiMain(const datControllerLinks& links, const std::string& modelName, int32_t imageSize);
    ~cuiMain() override;
    cuiMain(const cuiMain&) = delete;
    cuiMain& operator=(const cuiMain&) = delete;

    // Virtual operations: the model's controller refines them.
    virtual void Reset();
    // Loads the template, builds the tree in the frame and starts the tick; arguments are the
    // command line, the program's path first. Without a frame (the command-line program) there
    // is no tree, no page and no tick.
    virtual void Setup(cuiFrame* frame, const std::vector<std::string>& arguments);
    virtual void BuildTree();
    virtual bool IsForeignImage(const cmcEeprom& image);
    virtual bool IsNewerImage(const cmcEeprom& image);
    // Follows the model type of an image just loaded into image.
    virtual void SyncModelToImage(cmcEeprom& image);
    // Brings image in line with the template (mode 0 after loading, 1 before writing).
    virtual void NormaliseImage(cmcEeprom& image, int32_t mode);
    virtual std::unique_ptr<cuiSheetView> CreateSheet(const datSheetOpening& opening);
    // Asked before a clone write.
    virtual bool MayWriteRadio();
    // A character typed in the About box.
    virtual void OnAboutKey(char c);

    // The model type: the settings value, 0-15 once Setup ran.
    int32_t ModelType() const;
    // Reads the initial file of modelType into the template image; ends the program when it
    // cannot.
    void LoadTemplate(int32_t modelType);
    // Switches the program to modelType; with ask the user confirms first and the document is
    // replaced by the new template.
    void ChangeModel(int32_t modelType, bool ask);
    bool IsMakerMode() const { return m_makerMode; }
    bool IsConvertMode() const { return m_convertMode; }

    // Pages.
    void OpenSheet(const std::string& name);
    void CloseSheet();
    cuiSheetView* CurrentSheet() { return m_sheet.get(); }
    const std::string& CurrentSheetName() const { return m_sheetName; }
    cuiPageTree* Tree() { return m_tree.get(); }
    void ScheduleWarningCheck();

    // Document state. The modified flag is set by comparing the working image with the saved one
    // and stays set until the next MarkSaved, even when the user edits the values back.
    bool IsModified();
    void MarkSaved();
    void MarkModified();
    // The document's path; for an untitled one the working directory followed by "Untitled".
    std::string GetDocumentPath() const;
    void SetDocumentPath(const std::string& path);
    bool IsUntitled() const { return m_documentPath.empty(); }
    void UpdateCaption();
    const std::string& Caption() const { return m_caption; }

    // Document commands; each returns true when it was done.
    // cause, when not empty, is a line naming the file and why it could not be used.
    void ShowFileError(CloneFileResult code, const std::string& cause = "");
    // The file error shown by the last Open or Save; kOk when it showed none.
    CloneFileResult LastFileError() const { return m_lastFileError; }
    // The cause line shown with it; empty when the file's content was at fault.
    const std::string& LastFileCause() const { return m_lastFileCause; }
    // Asks whether to save the changed document (another: in a new file); No when unchanged is
    // Yes without asking. A save that fails or is cancelled answers Cancel.
    cmcMessageAnswer ConfirmSaveChanges(bool another);
    bool NewDocument();
    bool OpenDocument();
    bool OpenPath(const std::string& path);
    bool SaveDocument();
    bool SaveAsDocument();
    bool SavePath(const std::string& path);

    // The main window: where it starts, and whether and how it may close.
    cmcRect InitialWindowRect();
    bool QueryClose();
    void OnClose();

    // The status bar's message panel.
    const std::string& MessageText() const { return m_messageText; }
    uint32_t MessageTextColour() const { return m_messageTextColour; }
    uint32_t MessageBackgroundColour() const { return m_messageBackgroundColour; }

    cmcEeprom& TemplateImage() { return m_template; }
    cmcEeprom& SavedImage() { return m_saved; }
    cmcEeprom& CompareImage() { return m_compare; }
    int32_t ModelCode() const { return m_modelCode; }
    int32_t SubCode() const { return m_subCode; }
    const std::array<uint8_t, kCloneInfoSize>& CloneInformationRecord() const {
        return m_cloneInfo;
    }
    // The second model word of the radio's last accepted model reply.
    int32_t CloneModelWord2() const { return m_cloneModelWord2; }
    indCloneMan& CloneMan() { return m_cloneMan; }

    // The clone manager's checks: the model reply must be this model's with a sound info block
    // (it becomes the clone information record), and a received image must be of this layout.
    void CheckModelReply(dst_CDrv_Result& result);
    void CheckReadImage(dst_CDrv_Result& result);

    // cmcEngineHost
    cmcEeprom& WorkingImage() override { return m_working; }
    datSettings& Settings() override;
    cmcEvMan& Events() override { return m_events; }
    cmcClipCh& Clipboard() override { return m_clipboard; }
    cmcChoiceLists& ChoiceLists() override { return m_choiceLists; }
    std::string Text(const std::string& key, int32_t line = 0) override;
    bool Confirm(const std::string& key) override;
    void RefreshAfterEdit() override;
    void RunCommand(clsHostCommand command, int32_t argument, const std::string& text) override;
    bool CanPrintCurrentSheet() override;
    std::string RecentDisplayName(int32_t entry) override;
    const uint8_t* CloneInformation() override { return m_cloneInfo.data(); }
    void OpenSelectionList(const clsCellCall& call, const std::string& sheetKey, int32_t label,
                           int32_t value) override;
    void OpenEntryDialog(const clsCellCall& call, const std::string& text, int32_t mode) override;

protected:
    // A message box captioned with the program's title.
    cmcMessageAnswer Message(const std::string& text, cmcMessageIcon icon,
                             cmcMessageButtons buttons);
    // The program's folder, with its trailing separator.
    std::string ProgramFolder();
    void SetModelCodes(int32_t modelCode, int32_t subCode);
    // Follows the folder of a file just opened or saved.
    void AdoptDocument(const std::string& path);
    // Shows every failure of file's Load or Save of path, with its cause.
    void ReportFileErrors(cmcClnFile& file, const std::string& path);

    indEnviron& m_environ;
    cmcGTex& m_gtex;
    cmcHelpGTex& m_helpGTex;
    cmcEvMan& m_events;
    cmcHost& m_host;
    cmcClock& m_clock;
    cuiFrame* m_frame = nullptr;  // from Setup on

    int32_t m_imageSize;
    int32_t m_modelCode = 0;
    int32_t m_subCode = 0;
    bool m_gridHadFocus = false;
    uint32_t m_messageTextColour = 0x80000008;        // the system's window-text colour
    uint32_t m_messageBackgroundColour = 0x8000000F;  // the system's button-face colour
    std::string m_messageText;
    std::string m_caption;
    std::unique_ptr<cuiPageTree> m_tree;
    std::unique_ptr<cuiSheetView> m_sheet;
    std::string m_sheetName;
    std::string m_workingDirectory;
    std::string m_documentPath;
    CloneFileResult m_lastFileError = CloneFileResult::kOk;
    std::string m_lastFileCause;
    bool m_modified = false;
    bool m_makerMode = false;
    bool m_convertMode = false;
    std::unique_ptr<cmcTick> m_warningRecheck;
    cmcSheetHistory m_history;
    indCloneMan m_cloneMan;
    std::array<uint8_t, kCloneInfoSize> m_cloneInfo{};
    int32_t m_cloneModelWord2 = 0;
    cmcClipCh m_clipboard;
    cmcChoiceLists m_choiceLists;
    cmcEeprom m_working;
    cmcEeprom m_template;
    cmcEeprom m_saved;
    cmcEeprom m_compare;
    bool m_fontChanged = false;

private:
    static void OnEvent(void* context, const cmcEvent& event);
    void HandleEvent(const cmcEvent& event);
    void OnTick();

    cmcTaskPtr m_tick;  // last: it goes first
};

// How often the controller's tick runs, and how long after an edit the tree's warning marks are
// checked again.
constexpr int32_t kControllerTickMs = 50;
constexpr uint32_t kWarningRecheckMs = 250;
