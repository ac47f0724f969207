#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/task.h"
#include "clone/clone_driver.h"

class cmcGTex;
class cmcHost;
struct datSettings;

// The clone commands' use of the protocol driver: it sets the driver up from the user's port
// settings, shows the progress window while data moves, lets the main controller judge what came
// back, reports a failure in one composed message and then hands the result to the running
// command's next step. A read and a write are two operations in a row (the model information
// first), each started from the previous one's completion; the main window stays disabled while
// each runs, so nothing else can start meanwhile.
class indCloneMan {
public:
    // Judges a result before it is reported; may change its code.
    using Check = std::function<void(dst_CDrv_Result& result)>;
    // The command's next step; runs after the progress window closed and after any message. It
    // may change the result's code.
    using Completion = std::function<void(dst_CDrv_Result& result)>;

    indCloneMan(cmcSerialBackend& serial, cmcTimerService& timers, cmcClock& clock, cmcHost& host,
                cmcGTex& gtex, datSettings& settings);
    ~indCloneMan();
    indCloneMan(const indCloneMan&) = delete;
    indCloneMan& operator=(const indCloneMan&) = delete;

    bool IsBusy() const { return m_driver.IsBusy(); }
    void SetModel(int32_t word1, int32_t word2);
    void SetImageSize(int32_t size) { m_driver.SetImageSize(size); }
    // The model check judges information results, the read check read results.
    void SetInfoCheck(Check check) { m_modelCheck = std::move(check); }
    void SetReadCheck(Check check) { m_readCheck = std::move(check); }

    // Each refuses (false) while an operation runs. The information exchange always runs at
    // 9600 baud; a read or write at the speed the settings choose.
    bool BeginInfo(Completion completion);
    bool BeginRead(const AddressRange* ranges, Completion completion);
    // Sends a copy of image.
    bool BeginWrite(const cmcEeprom& image, const AddressRange* ranges, Completion completion);

    // Shows the message for a failed result: nothing for success.
    void ReportCloneError(const dst_CDrv_Result& result);
    // The same for a code the commands decide themselves.
    void ReportCloneError(CloneResult code);

    // Bytes the running read or write moves, and how many have moved so far.
    int32_t ExpectedByteCount() const { return m_expectedByteCount; }
    int32_t DataByteCount() const { return m_driver.DataByteCount(); }

private:
    void ConfigureSpeed(bool high);
    void Start(CloneOperation operation, Completion completion);
    void OnDriverDone(dst_CDrv_Result& result);
    void ShowProgress();
    void CloseProgress();
    void OnRedraw(cmcTask& task);

    cmcHost& m_host;
    cmcGTex& m_gtex;
    datSettings& m_settings;
    Check m_modelCheck;
    Check m_readCheck;
    Completion m_completion;
    int32_t m_modelWord1 = 0;
    int32_t m_expectedByteCount = 0;
    CloneOperation m_operation = CloneOperation::kNone;
    bool m_progressShown = false;
    bool m_mainWindowDisabled = false;
    cmcCloneDrv m_driver;
    cmcTaskPtr m_redrawTask;
};

// How often the progress window is drawn again.
constexpr int32_t kProgressRedrawMs = 30;
