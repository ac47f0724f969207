#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/host.h"

// The help viewer as the help object drives it: a contents window and one context-help popup
// (the viewer's window type "OrvaPopupWindow"). The GUI implements it with its own windows;
// tests with a fake. Every operation runs on the GUI thread.
class cuiHelpViewer {
public:
    virtual ~cuiHelpViewer() = default;

    // Makes the viewer ready; false when this system has none (the next request asks again).
    virtual bool Load() = 0;
    // Opens the contents at the help file path (one window, raised when open); false when the
    // file cannot be shown.
    virtual bool ShowContents(const std::string& path) = 0;

    // The popup's screen rectangle while it is on the screen; none otherwise.
    virtual std::optional<cmcRect> PopupRect() = 0;
    virtual void HidePopup() = 0;
    // The rectangle a popup that does not exist yet is made with.
    virtual void DefinePopupType(const cmcRect& rect) = 0;
    // Puts the page of context number of the help file path into the popup, still hidden; false
    // when the help has no page for it.
    virtual bool ShowTopic(const std::string& path, int32_t number) = 0;
    // Shows the popup at rect.
    virtual void ShowPopupAt(const cmcRect& rect) = 0;
    // Shows the popup that the request hid again where it was, without taking the focus.
    virtual void ShowPopupAgain() = 0;
};
