#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/number_codec.h"
#include "model/position_codec.h"
#include "model/timer_codec.h"

struct clsCellCall;
class datCh;

// The reusable kinds of cell. Each takes the call and the value it shows (or the bytes the value
// lives in), answers the display text, reacts to the call's key or commit, and returns true when
// the value changed; the label then writes the value back into the image.

// One value from a selection sheet's choices: Space and Backspace step through them, Enter opens
// the list, a commit from the list takes the chosen entry.
bool ChoiceCell(clsCellCall& call, std::string_view listKey, int32_t& value, int32_t subKey = 1);

// The choice text of a value, shown read-only.
void ChoiceTextCell(clsCellCall& call, std::string_view listKey, int32_t value, int32_t subKey = 1);

struct clsNumberCell {
    clsNumberRange range;
    const char* fixedText = nullptr;  // shown instead of the number
    bool clamp = false;               // values outside the range are pulled in and stored
};
bool NumberCell(clsCellCall& call, int32_t& value, const clsNumberCell& cell);

// A text that cannot be changed: painted olive, typed characters are swallowed.
void FixedCell(clsCellCall& call, std::string text);

// Paints the cell silver when the setting that governs it is off; it still edits.
void GreyUnless(clsCellCall& call, bool governingSettingOn);

bool TimerCell(clsCellCall& call, int32_t& value, const clsTimerRange& range);

// Bytes shown as text; anything outside 0x20-0x7E is shown, and kept, as a blank.
bool TextCell(clsCellCall& call, uint8_t* buffer, int32_t length);

// The record's channel name in the channel-name character set; a committed name is normalised
// and the record refreshed so that every row sharing the name shows it.
void ChannelNameCell(clsCellCall& call);

// A DSC or ATIS identity of digitCount digits in five bytes.
bool IdCell(clsCellCall& call, uint8_t* id, int32_t digitCount);

bool UtcOffsetCell(clsCellCall& call, int32_t& minutes);

// A free channel's receive or transmit frequency; with transmitFollows a new receive frequency
// carries a simplex transmit frequency along.
bool FrequencyCell(clsCellCall& call, datCh& record, bool transmit, bool transmitFollows);

bool PositionCell(clsCellCall& call, int32_t& value, clsAxis axis);
