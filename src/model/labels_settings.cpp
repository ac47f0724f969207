#include "model/label_table.h"

// The settings sheets' labels live in this table; until their cells are mapped they show their
// number like every other label without behaviour.
std::span<const clsLabelEntry> SettingsLabels() {
    return {};
}
