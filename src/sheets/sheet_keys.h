#pragma once

#include <cstdint>

// Key codes of the keys a sheet handles; a function key reaches the engine as its code * 256.
namespace clsSheetKey {
constexpr int32_t kEnter = 0x0D;
constexpr int32_t kEscape = 0x1B;
constexpr int32_t kPageUp = 0x21;
constexpr int32_t kPageDown = 0x22;
constexpr int32_t kEnd = 0x23;
constexpr int32_t kHome = 0x24;
constexpr int32_t kLeft = 0x25;
constexpr int32_t kUp = 0x26;
constexpr int32_t kRight = 0x27;
constexpr int32_t kDown = 0x28;
constexpr int32_t kF1 = 0x70;
constexpr int32_t kF12 = 0x7B;
constexpr int32_t kCodeShift = 256;  // request code = key code * 256
}  // namespace clsSheetKey

// Modifier keys held with a key or a mouse event.
namespace clsKeyModifier {
constexpr uint8_t kShift = 0x01;
constexpr uint8_t kCtrl = 0x02;
constexpr uint8_t kAlt = 0x04;
}  // namespace clsKeyModifier

// Directions of a timed scroll while the mouse is held outside the visible cells.
namespace clsScrollDirection {
constexpr uint8_t kUp = 0x01;
constexpr uint8_t kDown = 0x02;
constexpr uint8_t kLeft = 0x04;
constexpr uint8_t kRight = 0x08;
}  // namespace clsScrollDirection
