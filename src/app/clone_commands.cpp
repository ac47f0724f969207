// The clone commands of the main controller: read, write and the model information, each a chain
// of clone manager operations (the model information first), and the controller's checks of what
// the radio sends. A failed read leaves the document untouched; a failed write leaves it as it
// was apart from the normalisation that precedes every write.

#include <cstring>

#include "app/image_identity.h"
#include "app/radio_controller.h"
#include "app/warning_check.h"
#include "base/event_manager.h"
#include "clone/clone_ranges.h"
#include "model/model_class.h"
#include "overlay/gtex.h"

namespace {

// The parts of the clone information record the commands read.
constexpr size_t kInfoMinimumLength = 34;  // below this the info block is malformed
constexpr size_t kInfoLayoutByte = 6;      // holds kMapRevision
constexpr size_t kInfoFlagsByte = 23;
constexpr uint8_t kInfoNoCloneRead = 0x01;  // the radio's memory may not be read
constexpr uint8_t kInfoClassB = 0x02;       // the radio is of model class B
constexpr size_t kInfoModelTypeByte = 25;
// The radio's memory revision: four decimal characters (the byte between the first two is not).
constexpr size_t kInfoRevisionBytes[] = {26, 28, 29, 30};

constexpr const char* kModelErrorKey = "GI_Mess_ModelError";
constexpr const char* kDataErrorKey = "GI_Mess_DataError";
constexpr const char* kConfirmWriteKey = "GI_Mess_Confirm_CloneWrite";
constexpr const char* kWriteSucceededKey = "GI_Mess_CloneWrite_Succeeded";
constexpr const char* kCloneInfoSheetKey = "GI_Sheet_CloneInfo";
constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";

int32_t DigitValue(uint8_t character) {
    return static_cast<int32_t>(character) - '0';
}

// The radio's memory revision, 0 when it does not report one in digits.
int32_t RadioMemoryRevision(const std::array<uint8_t, kCloneInfoSize>& info) {
    int32_t revision = 0;
    for (const size_t at : kInfoRevisionBytes) {
        if (info[at] < '0' || info[at] > '9') return 0;
        revision = revision * 10 + DigitValue(info[at]);
    }
    return revision;
}

int32_t ImageMemoryRevision(const cmcEeprom& image) {
    int32_t revision = 0;
    for (const int32_t address : kRevisionDigitAddresses) {
        revision = revision * 10 + DigitValue(image.GetByte(address));
    }
    return revision;
}

void Finish(const indMain::CloneDone& done, CloneResult code) {
    if (done) done(code);
}

}  // namespace

void cuiMain::CheckModelReply(dst_CDrv_Result& result) {
    if (result.code != CloneResult::kOk || result.operation != CloneOperation::kInfo) return;
    if (result.modelWord1 != m_modelCode || result.modelWord2 != m_subCode) {
        result.code = CloneResult::kModel;
        return;
    }
    m_cloneModelWord2 = result.modelWord2;
    const size_t length = static_cast<size_t>(result.info.Size());
    if (length < kInfoMinimumLength || result.info.Data()[0] != length) {
        result.code = CloneResult::kModel;
        return;
    }
    // A shorter block leaves the rest of the record zero.
    m_cloneInfo.fill(0);
    std::memcpy(m_cloneInfo.data(), result.info.Data(), std::min(length, m_cloneInfo.size()));
    if (m_cloneInfo[kInfoLayoutByte] != kMapRevision) result.code = CloneResult::kInfoLayout;
}

void cuiMain::CheckReadImage(dst_CDrv_Result& result) {
    if (result.code != CloneResult::kOk || result.operation != CloneOperation::kRead) return;
    if (IsForeignImage(result.image)) {
        result.code = CloneResult::kForeignImage;
    } else if (IsNewerImage(result.image)) {
        result.code = CloneResult::kNewerImage;
    }
}

void indMain::RunCommand(clsHostCommand command, int32_t argument, const std::string& text) {
    switch (command) {
        case clsHostCommand::CloneRead:
            CloneRead();
            break;
        case clsHostCommand::CloneWrite:
            CloneWrite();
            break;
        case clsHostCommand::CloneInformation:
            ShowCloneInfo();
            break;
        default:
            cuiMain::RunCommand(command, argument, text);
            break;
    }
}

bool indMain::RadioFitsModel(dst_CDrv_Result& result) {
    const bool radioClassB = (m_cloneInfo[kInfoFlagsByte] & kInfoClassB) != 0;
    const bool radioIsTarget = m_cloneInfo[kInfoModelTypeByte] == kConvertTargetModelType;
    if (radioClassB == IsModelClassB(ModelType()) &&
        radioIsTarget == (ModelType() == kConvertTargetModelType)) {
        return true;
    }
    result.code = CloneResult::kModelType;
    Message(GetMultiLineText(m_gtex, kModelErrorKey), cmcMessageIcon::Error, cmcMessageButtons::Ok);
    return false;
}

void indMain::CloneRead(CloneDone done) {
    if (ConfirmSaveChanges(false) == cmcMessageAnswer::Cancel) return;
    if (m_cloneMan.IsBusy()) return;
    m_cloneMan.SetModel(m_modelCode, 0);
    m_cloneMan.BeginInfo([this, done](dst_CDrv_Result& result) { OnReadInfo(result, done); });
}

void indMain::OnReadInfo(dst_CDrv_Result& result, const CloneDone& done) {
    if (result.code != CloneResult::kOk) return Finish(done, result.code);
    if (m_cloneInfo[kInfoModelTypeByte] >= kModelTypeCount) {
        result.code = CloneResult::kModelType;
        Message(GetMultiLineText(m_gtex, kModelErrorKey), cmcMessageIcon::Error,
                cmcMessageButtons::Ok);
        return Finish(done, result.code);
    }
    if (m_cloneMan.IsBusy()) return;
    if (m_cloneInfo[kInfoFlagsByte] & kInfoNoCloneRead) {
        m_cloneMan.ReportCloneError(CloneResult::kFrame);
        return Finish(done, CloneResult::kFrame);
    }
    m_cloneMan.SetImageSize(m_working.GetSize());
    m_cloneMan.BeginRead(kCloneReadRanges,
                         [this, done](dst_CDrv_Result& read) { OnReadData(read, done); });
}

void indMain::OnReadData(dst_CDrv_Result& result, const CloneDone& done) {
    if (result.code == CloneResult::kOk) {
        m_working.Assign(result.image);
        SyncModelToImage(m_working);
        MarkModified();
        SetDocumentPath("");
        CloseSheet();
        m_events.Send(cmcEvCode::SheetsChanged, 0, 0);
    }
    Finish(done, result.code);
}

void indMain::CloneWrite(CloneDone done) {
    m_events.Send(cmcEvCode::EndEditing, 0, 0);
    if (!RunWarningCheck(m_gtex).attention.empty()) {
        Message(GetMultiLineText(m_gtex, kDataErrorKey), cmcMessageIcon::Error,
                cmcMessageButtons::Ok);
        return;
    }
    if (m_cloneMan.IsBusy() || !MayWriteRadio()) return;
    if (Message(GetMultiLineText(m_gtex, kConfirmWriteKey), cmcMessageIcon::Warning,
                cmcMessageButtons::OkCancel) != cmcMessageAnswer::Ok) {
        return;
    }
    m_cloneMan.SetModel(m_modelCode, 0);
    m_cloneMan.BeginInfo([this, done](dst_CDrv_Result& result) { OnWriteInfo(result, done); });
}

void indMain::OnWriteInfo(dst_CDrv_Result& result, const CloneDone& done) {
    if (result.code != CloneResult::kOk) return Finish(done, result.code);
    if (!RadioFitsModel(result)) return Finish(done, result.code);
    if (m_cloneMan.IsBusy()) return;
    m_cloneMan.SetImageSize(m_working.GetSize());
    // The normalising alone does not make the document changed.
    const bool wasModified = IsModified();
    NormaliseImage(m_working, 1);
    if (!wasModified) MarkSaved();
    // A radio of an older memory map lacks what the newer image's factory blocks carry.
    const bool full =
        m_makerMode || ImageMemoryRevision(m_working) > RadioMemoryRevision(m_cloneInfo);
    m_cloneMan.BeginWrite(m_working, full ? kCloneWriteFullRanges : kCloneWriteNormalRanges,
                          [this, done](dst_CDrv_Result& written) {
                              if (written.code == CloneResult::kOk) {
                                  m_events.Post(cmcEvCode::RepaintAll, 0, 0);
                                  Message(GetMultiLineText(m_gtex, kWriteSucceededKey),
                                          cmcMessageIcon::Information, cmcMessageButtons::Ok);
                              }
                              Finish(done, written.code);
                          });
}

void indMain::ShowCloneInfo(CloneDone done) {
    if (m_cloneMan.IsBusy()) return;
    m_cloneMan.SetModel(m_modelCode, 0);
    m_cloneMan.BeginInfo([this, done](dst_CDrv_Result& result) {
        if (result.code == CloneResult::kOk && m_frame) {
            m_frame->ShowSheetDialog(kCloneInfoSheetKey, m_gtex.GetFirstLine(kAppTitleKey));
        }
        Finish(done, result.code);
    });
}
