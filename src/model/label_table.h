#pragma once

#include <cstdint>
#include <span>

struct clsCellCall;

// A label's behaviour: one function per label, found in the file of the record group or sheet the
// label serves. Each file hands its labels to the table as a list of entries.
using clsLabelHandler = void (*)(clsCellCall& call);

struct clsLabelEntry {
    int32_t label;
    clsLabelHandler handler;
};

std::span<const clsLabelEntry> ChannelBankLabels();  // labels_channel_bank.cpp
std::span<const clsLabelEntry> DscChannelLabels();   // labels_dsc_channel.cpp
std::span<const clsLabelEntry> WeatherLabels();      // labels_weather.cpp
std::span<const clsLabelEntry> FreeChannelLabels();  // labels_free_channel.cpp
std::span<const clsLabelEntry> DscIdLabels();        // labels_dsc_id.cpp
std::span<const clsLabelEntry> WaypointLabels();     // labels_waypoint.cpp
std::span<const clsLabelEntry> CheckLabels();        // labels_check.cpp
std::span<const clsLabelEntry> CloneInfoLabels();    // labels_clone_info.cpp
std::span<const clsLabelEntry> MiscLabels();         // labels_misc.cpp
std::span<const clsLabelEntry> MenuLabels();         // labels_menu.cpp
std::span<const clsLabelEntry> PopupLabels();        // labels_popup.cpp
// The settings sheets' labels (DSC, DSC calls, common, radio, configuration, ATIS, maker).
std::span<const clsLabelEntry> SettingsLabels();  // labels_settings.cpp

// The handler of a label, nullptr for a label without behaviour (shown as "%d *Yet*").
clsLabelHandler FindLabelHandler(int32_t label);

// Checks a record category makes before its label runs; false when the label must not run.
bool ChannelBankGate(clsCellCall& call);  // labels_channel_bank.cpp
bool DscIdGate(clsCellCall& call);        // labels_dsc_id.cpp
