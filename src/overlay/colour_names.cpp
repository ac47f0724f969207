#include "overlay/colour_names.h"

#include "overlay/hash.h"

namespace {

struct ColourName {
    std::string_view name;
    uint32_t colour;
};

// The highlighted-text colour is spelt "clHightlightText", as the overlays write it.
constexpr ColourName kColourNames[] = {
    {"clAqua", 0xFFFF00},
    {"clBlack", 0x000000},
    {"clBlue", 0xFF0000},
    {"clDkGray", 0x808080},
    {"clFuchsia", 0xFF00FF},
    {"clGray", 0x808080},
    {"clGreen", 0x008000},
    {"clLime", 0x00FF00},
    {"clLtGray", 0xC0C0C0},
    {"clMaroon", 0x000080},
    {"clNavy", 0x800000},
    {"clOlive", 0x008080},
    {"clPurple", 0x800080},
    {"clRed", 0x0000FF},
    {"clSilver", 0xC0C0C0},
    {"clTeal", 0x808000},
    {"clWhite", 0xFFFFFF},
    {"clYellow", 0x00FFFF},
    {"clBackground", 0x80000001},
    {"clActiveCaption", 0x80000002},
    {"clInactiveCaption", 0x80000003},
    {"clMenu", 0x80000004},
    {"clWindow", kClWindow},
    {"clWindowFrame", 0x80000006},
    {"clMenuText", 0x80000007},
    {"clWindowText", kClWindowText},
    {"clCaptionText", 0x80000009},
    {"clActiveBorder", 0x8000000A},
    {"clInactiveBorder", 0x8000000B},
    {"clAppWorkSpace", 0x8000000C},
    {"clHighlight", 0x8000000D},
    {"clHightlightText", 0x8000000E},
    {"clBtnFace", 0x8000000F},
    {"clBtnShadow", 0x80000010},
    {"clGrayText", 0x80000011},
    {"clBtnText", 0x80000012},
    {"clInactiveCaptionText", 0x80000013},
    {"clBtnHighlight", 0x80000014},
};

const cmcHash& ColourTable() {
    static const cmcHash table = [] {
        cmcHash hash(101);
        for (const ColourName& row : kColourNames)
            hash.Insert(row.name, static_cast<int32_t>(row.colour));
        return hash;
    }();
    return table;
}

}  // namespace

std::optional<uint32_t> ColourOf(std::string_view name) {
    const int32_t* colour = ColourTable().Find(name);
    if (colour == nullptr) return std::nullopt;
    return static_cast<uint32_t>(*colour);
}
