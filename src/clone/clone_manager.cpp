#include "clone/clone_manager.h"

#include "base/settings.h"
#include "clone/clone_message.h"
#include "clone/clone_progress.h"
#include "clone/line_profile.h"
#include "overlay/gtex.h"
#include "platform/host.h"

namespace {

constexpr const char* kAppTitleKey = "GI_Sys_AppTitle";
constexpr const char* kConfirmCancelWriteKey = "GI_Mess_Confirm_CancelWrite";

int32_t RangeByteCount(const AddressRange* ranges) {
    int32_t count = 0;
    for (; !ranges->IsTerminator(); ++ranges)
        count += ranges->last - ranges->first + 1;
    return count;
}

}  // namespace

indCloneMan::indCloneMan(cmcSerialBackend& serial, cmcTimerService& timers, cmcClock& clock,
                         cmcHost& host, cmcGTex& gtex, datSettings& settings)
    : m_host(host),
      m_gtex(gtex),
      m_settings(settings),
      m_driver(serial, timers, clock),
      m_redrawTask(cmcTask::Create(timers)) {
    m_redrawTask->SetCallback([this](cmcTask& task) { OnRedraw(task); });
}

indCloneMan::~indCloneMan() {
    m_redrawTask->SetInterval(-1);
    if (m_progressShown) m_host.CloseProgress();
}

void indCloneMan::SetModel(int32_t word1, int32_t word2) {
    m_modelWord1 = word1;
    m_driver.SetModel(word1, word2);
}

void indCloneMan::ConfigureSpeed(bool high) {
    ConfigureCloneLine(m_driver, m_settings.comPort, high, m_modelWord1);
}

bool indCloneMan::BeginInfo(Completion completion) {
    if (IsBusy()) return false;
    m_operation = CloneOperation::kInfo;
    ConfigureSpeed(false);
    m_completion = std::move(completion);
    m_host.EnableMainWindow(false);
    m_mainWindowDisabled = true;
    m_driver.StartInfo([this](dst_CDrv_Result& result) { OnDriverDone(result); });
    return true;
}

bool indCloneMan::BeginRead(const AddressRange* ranges, Completion completion, bool report) {
    if (IsBusy()) return false;
    m_reportErrors = report;
    // Without a list the read is not checked for coverage, and the bar keeps its last measure.
    if (ranges != nullptr) m_expectedByteCount = RangeByteCount(ranges);
    m_operation = CloneOperation::kRead;
    ConfigureSpeed(m_settings.comSpeedHigh != 0);
    m_completion = std::move(completion);
    m_driver.StartRead(ranges, [this](dst_CDrv_Result& result) { OnDriverDone(result); });
    ShowProgress();
    return true;
}

bool indCloneMan::BeginWrite(const cmcEeprom& image, const AddressRange* ranges,
                             Completion completion) {
    if (IsBusy()) return false;
    m_expectedByteCount = RangeByteCount(ranges);
    m_operation = CloneOperation::kWrite;
    ConfigureSpeed(m_settings.comSpeedHigh != 0);
    m_completion = std::move(completion);
    m_driver.StartWrite(image, ranges, [this](dst_CDrv_Result& result) { OnDriverDone(result); });
    ShowProgress();
    return true;
}

void indCloneMan::OnDriverDone(dst_CDrv_Result& result) {
    if (m_operation == CloneOperation::kInfo) {
        if (m_modelCheck) {
            m_modelCheck(result);
        } else {
            result.code = CloneResult::kModel;
        }
    } else if (m_operation == CloneOperation::kRead) {
        if (m_receivedHook && result.code == CloneResult::kOk) m_receivedHook(result);
        if (m_readCheck) {
            m_readCheck(result);
        } else {
            result.code = CloneResult::kMissingData;
        }
    }
    if (m_reportErrors) ReportCloneError(result);
    m_reportErrors = true;
    CloseProgress();
    Completion completion = std::move(m_completion);
    m_completion = nullptr;
    if (completion) completion(result);
}

bool indCloneMan::Cancel(bool ask) {
    if (!IsBusy()) return false;
    if (ask && m_operation == CloneOperation::kWrite &&
        m_host.ShowMessage(
            m_gtex.GetFirstLine(kAppTitleKey), GetMultiLineText(m_gtex, kConfirmCancelWriteKey),
            cmcMessageIcon::Warning, cmcMessageButtons::OkCancel) != cmcMessageAnswer::Ok) {
        return false;
    }
    // The operation may have ended while the question was open.
    if (!IsBusy()) return false;
    m_driver.Cancel();
    return m_driver.IsCancelling();
}

void indCloneMan::ReportCloneError(const dst_CDrv_Result& result) {
    // Once data frames went out, a failed write leaves the radio's memory part old, part new.
    const bool partlyWritten = result.code != CloneResult::kOk &&
                               result.operation == CloneOperation::kWrite &&
                               m_driver.DataByteCount() > 0;
    const std::string text = ComposeCloneError(m_gtex, result.code, m_settings.comPort,
                                               result.portProblem, partlyWritten);
    if (text.empty()) return;
    m_host.ShowMessage(m_gtex.GetFirstLine(kAppTitleKey), text, cmcMessageIcon::Error,
                       cmcMessageButtons::Ok);
}

void indCloneMan::ReportCloneError(CloneResult code) {
    dst_CDrv_Result result;
    result.code = code;
    ReportCloneError(result);
}

void indCloneMan::ShowProgress() {
    m_host.ShowProgress();
    m_progressShown = true;
    m_host.EnableMainWindow(false);
    m_mainWindowDisabled = true;
    m_host.PaintProgress(0);
    m_redrawTask->SetInterval(kProgressRedrawMs);
}

void indCloneMan::CloseProgress() {
    if (m_mainWindowDisabled) {
        m_host.EnableMainWindow(true);
        m_mainWindowDisabled = false;
    }
    if (m_progressShown) {
        m_host.CloseProgress();
        m_progressShown = false;
    }
}

void indCloneMan::OnRedraw(cmcTask& task) {
    if (m_progressShown) {
        m_host.PaintProgress(ProgressFilledSegments(DataByteCount(), m_expectedByteCount));
    }
    if (!IsBusy()) task.SetInterval(-1);
}
