#include "model/label_table.h"

#include <array>

#include "overlay/cell_ids.h"
#include "platform/fatal.h"

namespace {

using Table = std::array<clsLabelHandler, kLabelCount>;

Table BuildTable() {
    Table table{};
    const std::span<const clsLabelEntry> groups[] = {
        ChannelBankLabels(), DscChannelLabels(), WeatherLabels(), FreeChannelLabels(),
        DscIdLabels(),       WaypointLabels(),   CheckLabels(),   CloneInfoLabels(),
        MiscLabels(),        MenuLabels(),       PopupLabels(),   SettingsLabels(),
    };
    for (const auto& group : groups) {
        for (const clsLabelEntry& entry : group) {
            if (entry.label < 0 || entry.label >= kLabelCount || table[entry.label] != nullptr) {
                FatalError("Illegal Cell assign");
            }
            table[static_cast<size_t>(entry.label)] = entry.handler;
        }
    }
    return table;
}

}  // namespace

clsLabelHandler FindLabelHandler(int32_t label) {
    static const Table table = BuildTable();
    if (label < 0 || label >= kLabelCount) return nullptr;
    return table[static_cast<size_t>(label)];
}
