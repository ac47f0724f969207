#include "model/engine_status.h"

#include "base/event_manager.h"
#include "model/engine_host.h"

namespace {

constexpr int32_t kWindowTextColour = static_cast<int32_t>(0x80000008u);
constexpr int32_t kButtonFaceColour = static_cast<int32_t>(0x8000000Fu);

}  // namespace

void ClearStatus(cmcEngineHost& host) {
    host.Events().SendText(cmcEvCode::StatusMessage, kWindowTextColour, kButtonFaceColour, "");
}

void ShowStatus(cmcEngineHost& host, const std::string& key) {
    host.Events().SendText(cmcEvCode::StatusMessage, kWindowTextColour, kButtonFaceColour,
                           host.Text(key));
}

void ShowStatusLater(cmcEngineHost& host, const std::string& key) {
    host.Events().PostText(cmcEvCode::StatusMessage, kWindowTextColour, kButtonFaceColour,
                           host.Text(key));
}
