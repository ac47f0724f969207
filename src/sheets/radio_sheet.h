#pragma once

#include <cstdint>
#include <vector>

#include "sheets/sheet.h"

class cmcEeprom;
class cmcEngineHost;

// What the application's pages depend on beyond their overlay: the model type, the radio's
// feature flags, the usable-channels view and the image whose channels they list.
struct clsRadioSheetState {
    // feature flags of the radio
    static constexpr uint8_t kVoltage = 0x10;
    static constexpr uint8_t kTemperature = 0x0C;

    int32_t modelType = 0;
    uint8_t featureFlags = 0;
    bool usableView = false;     // the channel banks list only their usable channels
    cmcEeprom* image = nullptr;  // read only
};

// The state of the program as the engine host holds it (model type, channel list type, working
// image) with the radio's feature flags, which the main controller keeps.
clsRadioSheetState RadioSheetState(cmcEngineHost& host, uint8_t featureFlags = 0);

// An application page: a sheet that also knows the model-condition directives ("Only_Mobile",
// "OnlyVolt", ... followed by how many body lines to skip when the condition does not hold),
// the channel loop ("LoopFrom" without a count: every slot of the bank) and the usable-channels
// view of the International, USA and Canada banks, which lists only the channels that are not
// inhibited, and the bank's P and C channels.
class iuiSheet : public cuiSheet {
public:
    iuiSheet(cuiGrid& grid, cmcGTex& store, const std::string& nameSpec,
             const cmcTextMeasure& measure, const clsSheetServices& services,
             const clsRadioSheetState& state, int32_t initialLabel = CL_None,
             int32_t initialIndex = 0);

    // Which channel slots of the bank of category the usable-channels view lists: those not
    // inhibited, and the bank's P and C channels.
    static std::vector<bool> ShownSlots(cmcEeprom& image, int32_t category);

protected:
    void ApplyStyleSetting(std::string_view group) override;
    void ApplyDirective(std::string_view group, int32_t lineNumber) override;
    void PopulateCells() override;

private:
    bool IsUsableView() const;
    bool ConditionHolds(std::string_view name) const;
    int32_t ChannelLoopCount() const;
    void AdvanceToShown(int32_t row, const std::vector<bool>& shown);

    clsRadioSheetState m_radio;
    bool m_withUsable = false;
};
