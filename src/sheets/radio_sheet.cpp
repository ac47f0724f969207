#include "sheets/radio_sheet.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "base/settings.h"
#include "model/cell_engine.h"
#include "model/channel_record.h"
#include "model/eeprom.h"
#include "model/engine_host.h"
#include "model/model_class.h"
#include "overlay/decimal_text.h"
#include "overlay/gtex.h"

namespace {

constexpr int32_t kOptionByte = 0x0B99;
constexpr uint8_t kNoiseCancelFitted = 0x08;
constexpr int32_t kLastBankSlot = kBankRows - 1;
constexpr std::array<const char*, 3> kBankSheets = {"GI_Sheet_IntCh", "GI_Sheet_UsaCh",
                                                    "GI_Sheet_CanCh"};
constexpr std::array<const char*, 8> kConditions = {"OnlyVolt",
                                                    "OnlyTemp",
                                                    "Only_Mobile",
                                                    "Only_HH",
                                                    "Only_UsaAusExpModel",
                                                    "Only_MobileUsa1Model",
                                                    "Only_NotMobileUsa1Model",
                                                    "Only_NoiseCancelON"};

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool IsBankCategory(int32_t category) {
    return category == CT_IntCh || category == CT_UsaCh || category == CT_CanCh;
}

}  // namespace

clsRadioSheetState RadioSheetState(cmcEngineHost& host, uint8_t featureFlags) {
    clsRadioSheetState state;
    state.modelType = host.Settings().modelType;
    state.usableView = host.Settings().chListType != 0;
    state.featureFlags = featureFlags;
    state.image = &host.WorkingImage();
    return state;
}

iuiSheet::iuiSheet(cuiGrid& grid, cmcGTex& store, const std::string& nameSpec,
                   const cmcTextMeasure& measure, const clsSheetServices& services,
                   const clsRadioSheetState& state, int32_t initialLabel, int32_t initialIndex)
    : cuiSheet(grid, store, nameSpec, measure, services, nullptr, initialLabel, initialIndex),
      m_radio(state) {}

std::vector<bool> iuiSheet::ShownSlots(cmcEeprom& image, int32_t category) {
    std::vector<bool> shown(kBankRows, true);
    if (!IsBankCategory(category)) return shown;
    datCh record(&image);  // read only: never stored
    for (int32_t n = 0; n < kBankRows; ++n) {
        record.LoadRecord(GroupOfCategory(category), n);
        shown[static_cast<size_t>(n)] =
            (record.channelFlags & datCh::kInhibited) == 0 || record.markers != 0;
    }
    return shown;
}

bool iuiSheet::IsUsableView() const {
    if (!m_radio.usableView || m_radio.image == nullptr) return false;
    for (const char* key : kBankSheets) {
        if (Key() == key) return true;
    }
    return false;
}

void iuiSheet::ApplyStyleSetting(std::string_view group) {
    if (!StartsWith(group, "WithUsable")) {
        cuiSheet::ApplyStyleSetting(group);
        return;
    }
    if (!IsUsableView()) return;
    m_withUsable = true;
    SetTitle(Title() + " " + Store().GetFirstLine("GI_AppInd_chSheet_Usable_Title"));
    datCellFont& font = MutableTitleFont();
    font = datCellFont();
    ApplyFontFields(font, Store().GetFirstLine("GI_AppInd_chSheet_Usable_Font"));
}

bool iuiSheet::ConditionHolds(std::string_view name) const {
    const int32_t type = m_radio.modelType;
    if (name == "OnlyVolt") return m_radio.featureFlags & clsRadioSheetState::kVoltage;
    if (name == "OnlyTemp") return m_radio.featureFlags & clsRadioSheetState::kTemperature;
    if (name == "Only_Mobile") return IsModelClassB(type);
    if (name == "Only_HH") return !IsModelClassB(type);
    if (name == "Only_UsaAusExpModel") return IsModelClassA(type);
    if (name == "Only_MobileUsa1Model") return IsModelClassF(type);
    if (name == "Only_NotMobileUsa1Model") return !IsModelClassF(type);
    if (name == "Only_NoiseCancelON") {
        return m_radio.image != nullptr &&
               (m_radio.image->GetByte(kOptionByte) & kNoiseCancelFitted) != 0;
    }
    return true;
}

int32_t iuiSheet::ChannelLoopCount() const {
    if (!IsUsableView()) return kBankRows;
    const std::vector<bool> shown = ShownSlots(*m_radio.image, BasicCell().GetCategory());
    return static_cast<int32_t>(std::count(shown.begin(), shown.end(), true));
}

void iuiSheet::ApplyDirective(std::string_view group, int32_t lineNumber) {
    for (const char* condition : kConditions) {
        const std::string_view name = condition;
        if (!StartsWith(group, name)) continue;
        const std::string_view rest = group.substr(name.size());
        if (!rest.empty() && rest[0] != ' ') continue;  // a longer name
        if (!ConditionHolds(name)) SkipLines(DecimalPrefix(rest));
        return;
    }
    if (StartsWith(group, "LoopFrom")) {
        std::string_view count = group.substr(8);
        while (!count.empty() && count[0] == ' ')
            count.remove_prefix(1);
        if (count.empty() || !(std::isdigit(static_cast<unsigned char>(count[0])) ||
                               count[0] == '-' || count[0] == '+')) {
            StartLoop(lineNumber, ChannelLoopCount());
            return;
        }
    }
    cuiSheet::ApplyDirective(group, lineNumber);
}

void iuiSheet::PopulateCells() {
    const bool usable = IsUsableView();
    std::vector<bool> shown;
    if (usable) shown = ShownSlots(*m_radio.image, BasicCell().GetCategory());
    for (int32_t r = 0; r < RowCount(); ++r) {
        PopulateRow(r);
        if (usable) AdvanceToShown(r, shown);
    }
    FinishPopulating();
}

void iuiSheet::AdvanceToShown(int32_t row, const std::vector<bool>& shown) {
    const int32_t category = BasicCell().GetCategory();
    if (!IsBankCategory(category)) return;
    for (int32_t c = 0; c < ColCount(); ++c) {
        cmcCellObj& cell = Cell(c, row);
        if (cell.GetLabel() == CL_None || !IsBankCategory(cell.GetCategory())) continue;
        int32_t index = std::max(cell.GetIndex(), 0);
        while (index < kLastBankSlot && !shown[static_cast<size_t>(index)])
            ++index;
        cell.SetIndex(std::min(index, kLastBankSlot));
    }
}
