// The progress window as the clone manager drives it through the desktop during a real clone
// read: the radio simulator on a pseudo-terminal, Qt's timers, the manager's 30 ms redraw.
#include <gtest/gtest.h>

#include <QWidget>
#include <string>
#include <vector>

#include "base/settings.h"
#include "clone/clone_manager.h"
#include "clone/clone_ranges.h"
#include "clone/qt/progress_window.h"
#include "model/eeprom.h"
#include "overlay/gtex.h"
#include "platform/clock.h"
#include "platform/posix_serial.h"
#include "platform/qt/qt_timer_service.h"
#include "support/qt/qt_events.h"
#include "support/radio_sim_process.h"
#include "support/scripted_host.h"
#include "support/test_paths.h"

namespace {

constexpr int32_t kPort = 9;
constexpr int32_t kRadioModelWord = 0x3338;

// A scripted desktop whose main window and progress window are real widgets.
class WindowHost : public ScriptedHost {
public:
    explicit WindowHost(QWidget& mainWindow) : m_mainWindow(mainWindow) {}

    void EnableMainWindow(bool enabled) override {
        ScriptedHost::EnableMainWindow(enabled);
        m_mainWindow.setEnabled(enabled);
    }
    void ShowProgress() override {
        ScriptedHost::ShowProgress();
        progress.Show(&m_mainWindow, "Cloning");
    }
    void PaintProgress(int32_t filledSegments) override {
        ScriptedHost::PaintProgress(filledSegments);
        progress.Paint(filledSegments);
        cuiProgressWindow* window = progress.Window();
        shownWhilePainted.push_back(window != nullptr && window->isVisible() &&
                                    !m_mainWindow.isEnabled());
        if (window != nullptr) painted.push_back(window->Box()->FilledSegments());
    }
    void CloseProgress() override {
        ScriptedHost::CloseProgress();
        progress.Close();
    }

    cuiCloneProgress progress;
    std::vector<bool> shownWhilePainted;
    std::vector<int32_t> painted;

private:
    QWidget& m_mainWindow;
};

TEST(CloneProgressWindow, ShowsWhileARealReadRunsAndIsGoneBeforeTheCompletion) {
    TempFolder folder;
    RadioSimProcess sim(folder.path(), kPort, {});
    ASSERT_TRUE(sim.IsReady()) << sim.Log();

    QWidget mainWindow;
    mainWindow.setGeometry(50, 50, 640, 480);
    mainWindow.show();
    WindowHost host(mainWindow);
    cmcGTex store;
    ASSERT_TRUE(store.SetSourceFile(BinPath("KTV818X.OVL").string()));
    datSettings settings;
    settings.comPort = kPort;
    cmcPosixSerialBackend serial;
    cmcQtTimerService timers;
    cmcSteadyClock clock;
    indCloneMan manager(serial, timers, clock, host, store, settings);
    manager.SetModel(kRadioModelWord, 0);
    manager.SetImageSize(kImageSize);
    manager.SetReadCheck([](dst_CDrv_Result&) {});

    bool done = false;
    CloneResult code = CloneResult::kOk;
    bool enabledAtCompletion = false;
    bool progressGoneAtCompletion = false;
    ASSERT_TRUE(manager.BeginRead(kCloneReadRanges, [&](dst_CDrv_Result& result) {
        done = true;
        code = result.code;
        enabledAtCompletion = mainWindow.isEnabled();
        progressGoneAtCompletion = host.progress.Window() == nullptr;
    }));
    EXPECT_FALSE(mainWindow.isEnabled());
    ASSERT_NE(host.progress.Window(), nullptr);
    EXPECT_TRUE(host.progress.Window()->isVisible());
    // A second operation while one runs is refused.
    EXPECT_FALSE(manager.BeginInfo([](dst_CDrv_Result&) {}));

    ASSERT_TRUE(RunEventsUntil([&] { return done; })) << sim.Log();
    EXPECT_EQ(code, CloneResult::kOk) << sim.Log();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(enabledAtCompletion);
    EXPECT_TRUE(progressGoneAtCompletion);
    ASSERT_GT(host.painted.size(), 1u);
    EXPECT_GT(host.painted.back(), 0);
    for (const bool shown : host.shownWhilePainted)
        EXPECT_TRUE(shown);
    // The bar only ever grows.
    for (size_t i = 1; i < host.painted.size(); ++i)
        EXPECT_LE(host.painted[i - 1], host.painted[i]);
}

}  // namespace
