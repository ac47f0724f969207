// The document commands of the main controller: New, Open, Save and Save As, the question about
// unsaved changes and the display of clone file errors. Every failure leaves the document as it
// was: a file is read into an image of its own and adopted only when every check has passed.

#include <algorithm>

#include "app/environ.h"
#include "app/file_fault_text.h"
#include "app/image_comment.h"
#include "app/image_identity.h"
#include "app/main_controller.h"
#include "base/event_manager.h"
#include "model/address_range.h"
#include "model/clone_file.h"
#include "overlay/gtex.h"
#include "platform/path_parts.h"
#include "platform/string_format.h"

namespace {

constexpr const char* kFileDialogKey = "GI_Sys_Dialog_FOpen";  // line 0 extension, 1 filter

// The hourglass for as long as the object lives.
class BusyCursor {
public:
    explicit BusyCursor(cmcHost& host) : m_host(host) { m_host.SetBusyCursor(true); }
    ~BusyCursor() { m_host.SetBusyCursor(false); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    cmcHost& m_host;
};

}  // namespace

void cuiMain::ShowFileError(CloneFileResult code, const std::string& cause) {
    const auto index = static_cast<size_t>(code);
    if (code == CloneFileResult::kOk || index >= std::size(kCloneFileResultKeys)) return;
    m_lastFileError = code;
    m_lastFileCause = cause;
    const std::string text = m_gtex.GetFirstLine(kCloneFileResultKeys[index]);
    const std::string headline = m_gtex.GetFirstLine("GI_Mess_FileErr_Headline");
    std::string message = StringPrintf("%s\n\n%s", headline.c_str(), text.c_str());
    if (!cause.empty()) message += "\n" + cause;
    Message(message, cmcMessageIcon::Warning, cmcMessageButtons::Ok);
}

void cuiMain::ReportFileErrors(cmcClnFile& file, const std::string& path) {
    file.SetReporter([this, &file, path](CloneFileResult result) {
        ShowFileError(result, FileFaultText(m_gtex, path, file.LastFault()));
    });
}

cmcMessageAnswer cuiMain::ConfirmSaveChanges(bool another) {
    m_events.Send(cmcEvCode::EndEditing, 0, 0);
    const std::string text =
        another ? m_gtex.GetFirstLine("GI_Mess_Confirm_WriteAnother")
                : StringPrintf(m_gtex.GetFirstLine("GI_Mess_Confirm_WriteFile").c_str(),
                               FileNameOf(GetDocumentPath()).c_str());
    // The flag alone could lag behind an edit that no view has reported yet: compare the images.
    if (!IsModified()) return cmcMessageAnswer::Yes;
    const cmcMessageAnswer answer =
        Message(text, cmcMessageIcon::Warning, cmcMessageButtons::YesNoCancel);
    if (answer != cmcMessageAnswer::Yes) return answer;
    const bool saved = IsUntitled() || another ? SaveAsDocument() : SavePath(GetDocumentPath());
    return saved ? cmcMessageAnswer::Yes : cmcMessageAnswer::Cancel;
}

bool cuiMain::NewDocument() {
    if (ConfirmSaveChanges(false) == cmcMessageAnswer::Cancel) return false;
    m_working.Assign(m_template);
    MarkSaved();
    SetDocumentPath("");
    CloseSheet();
    m_events.Send(cmcEvCode::SheetsChanged, 0, 0);
    return true;
}

bool cuiMain::OpenDocument() {
    m_events.Send(cmcEvCode::EndEditing, 0, 0);
    datFileDialog dialog;
    dialog.defaultExtension = m_gtex.GetLine(kFileDialogKey, 0);
    dialog.filter = m_gtex.GetLine(kFileDialogKey, 1);
    dialog.initialFolder = m_workingDirectory;
    const std::string path = m_host.AskOpenPath(dialog);
    return !path.empty() && OpenPath(path);
}

bool cuiMain::OpenPath(const std::string& path) {
    if (ConfirmSaveChanges(IsSamePath(path, GetDocumentPath())) == cmcMessageAnswer::Cancel) {
        return false;
    }
    m_lastFileError = CloneFileResult::kOk;
    m_lastFileCause.clear();
    cmcEeprom loaded;
    loaded.SetSize(m_working.GetSize());
    BusyCursor busy(m_host);

    cmcClnFile file;
    file.SetImage(loaded);
    file.SetModelCode(m_modelCode);
    file.SetSubCode(m_subCode);
    file.SetMapRevisionCheck([](int32_t revision) { return revision == kMapRevision; });
    ReportFileErrors(file, path);
    if (file.Load(path, nullptr) != CloneFileResult::kOk) return false;
    CloneFileResult problem = CloneFileResult::kOk;
    if (IsForeignImage(loaded)) {
        problem = CloneFileResult::kData;
    } else if (IsNewerImage(loaded)) {
        problem = CloneFileResult::kNewer;
    } else {
        problem = file.CheckCoverage(kCloneFileRanges);
    }
    if (problem != CloneFileResult::kOk) {
        ShowFileError(problem);
        return false;
    }

    AdoptDocument(path);
    m_working.Assign(loaded);
    SyncModelToImage(m_working);
    MarkSaved();
    CloseSheet();
    m_events.Send(cmcEvCode::SheetsChanged, 0, 0);
    return true;
}

bool cuiMain::SaveDocument() {
    return IsUntitled() ? SaveAsDocument() : SavePath(GetDocumentPath());
}

bool cuiMain::SaveAsDocument() {
    datFileDialog dialog;
    dialog.defaultExtension = m_gtex.GetLine(kFileDialogKey, 0);
    dialog.filter = m_gtex.GetLine(kFileDialogKey, 1);
    dialog.initialFolder = m_workingDirectory;
    dialog.proposedName = FileNameOf(GetDocumentPath());
    const std::string path = m_host.AskSavePath(dialog);
    return !path.empty() && SavePath(path);
}

bool cuiMain::SavePath(const std::string& path) {
    m_events.Send(cmcEvCode::EndEditing, 0, 0);
    m_lastFileError = CloneFileResult::kOk;
    m_lastFileCause.clear();
    NormaliseImage(m_working, 1);

    cmcClnFile file;
    file.SetImage(m_working);
    file.SetModelCode(m_modelCode);
    file.SetSubCode(m_subCode);
    file.SetMapRevision(kMapRevision);
    file.SetComment(ImageComment(m_working));
    ReportFileErrors(file, path);
    BusyCursor busy(m_host);
    if (file.Save(path, kCloneFileRanges) != CloneFileResult::kOk) return false;

    AdoptDocument(path);
    MarkSaved();
    return true;
}
