#include "model/cell_kinds.h"

#include <algorithm>
#include <cctype>

#include "model/cell_call.h"
#include "model/channel_record.h"
#include "model/choice_list.h"
#include "model/engine_host.h"
#include "model/frequency_codec.h"
#include "model/id_codec.h"
#include "model/text_codec.h"
#include "model/utc_offset_codec.h"
#include "platform/string_format.h"

namespace {

constexpr int32_t kDialogLatitudeMode = 6;
constexpr int32_t kDialogLongitudeMode = 7;

bool IsDigitCode(int32_t code) {
    return code >= '0' && code <= '9';
}

// Shows the text with the caret at 0 and the whole text selected.
void Show(clsCellCall& call, std::string text) {
    call.text = std::move(text);
    call.editorStart = 0;
    call.editorLength = static_cast<int32_t>(call.text.size());
}

// Opens the in-place editor on the current text, leading blanks removed.
void EditCurrent(clsCellCall& call) {
    const size_t first = call.text.find_first_not_of(' ');
    Show(call, first == std::string::npos ? std::string() : call.text.substr(first));
    call.result = clsCellResult::OpenEditor;
}

// Opens the in-place editor with the typed character as the whole text, the caret after it.
void EditTyped(clsCellCall& call) {
    call.text = std::string(1, static_cast<char>(call.code));
    call.editorStart = 1;
    call.editorLength = 0;
    call.result = clsCellResult::OpenEditor;
}

bool KeysActive(const clsCellCall& call) {
    return call.hasGrid && call.HasKey();
}

}  // namespace

bool ChoiceCell(clsCellCall& call, std::string_view listKey, int32_t& value, int32_t subKey) {
    cmcChoiceLists& lists = call.host.ChoiceLists();
    const int32_t old = value;
    if (call.hasOwner && call.mode == clsMode::kCommitted && call.ownerLabel == subKey) {
        value = call.ownerIndex;
    }
    if (KeysActive(call)) {
        switch (call.code) {
            case clsKey::kSpace:
                value = lists.Step(listKey, subKey, value, 1);
                call.result = clsCellResult::Consumed;
                break;
            case clsKey::kBackspace:
                value = lists.Step(listKey, subKey, value, -1);
                call.result = clsCellResult::Consumed;
                break;
            case clsKey::kEnter:
                call.host.OpenSelectionList(call, std::string(listKey), subKey, value);
                call.result = clsCellResult::Consumed;
                break;
            default:
                break;
        }
    }
    Show(call, lists.Text(listKey, subKey, value));
    return value != old;
}

void ChoiceTextCell(clsCellCall& call, std::string_view listKey, int32_t value, int32_t subKey) {
    FixedCell(call, call.host.ChoiceLists().Text(listKey, subKey, value));
}

bool NumberCell(clsCellCall& call, int32_t& value, const clsNumberCell& cell) {
    const clsNumberRange& range = cell.range;
    const int32_t old = value;
    bool changed = false;
    if (cell.clamp) value = ClampNumber(value, range);
    if (call.mode == clsMode::kTyped) {
        const clsNumberInput typed = ParseNumberInput(call.input, range);
        value = typed.value;
        changed = typed.changed;
    }
    const auto text = [&] {
        return cell.fixedText != nullptr ? std::string(cell.fixedText)
                                         : StringPrintf("%d", value + range.offset);
    };
    Show(call, text());
    if (KeysActive(call)) {
        const int32_t code = call.code == clsKey::kF2 ? clsKey::kEnter : call.code;
        if (code == clsKey::kSpace || code == clsKey::kBackspace) {
            value = StepNumber(value, code == clsKey::kSpace ? 1 : -1, range);
            changed = true;
            call.result = clsCellResult::Consumed;
            Show(call, text());
        } else if (code == clsKey::kEnter) {
            EditCurrent(call);
        } else if (IsDigitCode(code) || (code == '-' && range.minimum < 0)) {
            EditTyped(call);
        }
    }
    if (cell.clamp) value = ClampNumber(value, range);
    return changed || value != old;
}

void FixedCell(clsCellCall& call, std::string text) {
    Show(call, std::move(text));
    if (call.painting) call.fontColour = kFixedTextColour;
    if (call.code >= 1 && call.code <= clsKey::kLastCharacter) {
        call.code = clsKey::kNone;
        call.result = clsCellResult::Consumed;
    }
}

void GreyUnless(clsCellCall& call, bool governingSettingOn) {
    if (!governingSettingOn && call.painting) call.fontColour = kGreyedTextColour;
}

bool TimerCell(clsCellCall& call, int32_t& value, const clsTimerRange& range) {
    bool changed = false;
    if (call.mode == clsMode::kTyped) {
        if (const auto typed = ParseTimerInput(call.input, range)) {
            value = *typed;
            changed = true;
        }
    }
    int32_t code = KeysActive(call) ? call.code : clsKey::kNone;
    if (code == clsKey::kF2) code = clsKey::kEnter;
    if (code == clsKey::kSpace || code == clsKey::kBackspace) {
        value = StepTimer(value, code == clsKey::kSpace ? 1 : -1, range);
        changed = true;
        call.result = clsCellResult::Consumed;
    }
    if (call.HasKey() || !range.offAllowed || value != 0) {
        Show(call, FormatTimer(value, range.scale));
    } else {
        Show(call, call.host.Text("GI_AppInd_TimerOff"));
    }
    if (code == clsKey::kEnter) {
        EditCurrent(call);
    } else if (IsDigitCode(code) || code == '.' || code == 'o' || code == 'O') {
        EditTyped(call);
    }
    return changed;
}

bool TextCell(clsCellCall& call, uint8_t* buffer, int32_t length) {
    bool changed = false;
    if (call.IsCommit()) {
        FillTextBuffer(buffer, length, call.input);
        changed = true;
    }
    Show(call, TextOfBuffer(buffer, length));
    if (KeysActive(call)) {
        const int32_t code = call.code;
        if (code == clsKey::kEnter || code == clsKey::kBackspace || code == clsKey::kSpace ||
            code == clsKey::kF2) {
            call.editorStart = 0;
            call.editorLength = static_cast<int32_t>(call.text.size());
            call.result = clsCellResult::OpenEditor;
        } else if (code > 0x20 && code <= 0x7E) {
            EditTyped(call);
        }
    }
    return changed;
}

void ChannelNameCell(clsCellCall& call) {
    datCh& record = call.record;
    if (TextCell(call, record.name, kChannelNameLength)) {
        NormaliseChannelName(record.name, kChannelNameLength);
        record.RefreshRecord();
        call.text = TextOfBuffer(record.name, kChannelNameLength);
    }
}

bool IdCell(clsCellCall& call, uint8_t* id, int32_t digitCount) {
    bool changed = false;
    if (call.mode == clsMode::kTyped) {
        WriteIdDigits(id, call.input, digitCount);
        changed = true;
    }
    Show(call, IdText(id, digitCount));
    if (KeysActive(call)) {
        const int32_t code = call.code;
        if (code == clsKey::kEnter || code == clsKey::kBackspace || code == clsKey::kSpace ||
            code == clsKey::kF2) {
            EditCurrent(call);
        } else if (IsDigitCode(code) || code == '.') {
            EditTyped(call);
        }
    }
    return changed;
}

bool UtcOffsetCell(clsCellCall& call, int32_t& minutes) {
    bool changed = false;
    if (call.mode == clsMode::kTyped) {
        if (const auto typed = ParseUtcOffset(call.input)) {
            minutes = *typed;
            changed = true;
        }
    }
    Show(call, FormatUtcOffset(minutes));
    if (KeysActive(call)) {
        const int32_t code = call.code;
        if (code == clsKey::kEnter || code == clsKey::kBackspace || code == clsKey::kSpace ||
            code == clsKey::kF2) {
            EditCurrent(call);
        } else if (IsDigitCode(code) || code == '-' || code == '+' || code == ':') {
            EditTyped(call);
        }
    }
    return changed;
}

bool FrequencyCell(clsCellCall& call, datCh& record, bool transmit, bool transmitFollows) {
    int32_t& frequency = transmit ? record.txFrequency : record.rxFrequency;
    const int32_t oldReceive = record.rxFrequency;
    bool changed = false;
    if (call.mode == clsMode::kTyped && !call.input.empty()) {
        const int32_t typed = ParseFrequency(call.input);
        if (typed > 0) {
            frequency = typed;
            changed = true;
        }
    }
    frequency = std::clamp(frequency, kLowestFrequency, kHighestFrequency);
    if (!transmit && transmitFollows && record.rxFrequency != oldReceive &&
        record.txFrequency == oldReceive) {
        record.txFrequency = record.rxFrequency;
    }
    Show(call, FormatFrequency(frequency));
    int32_t code = KeysActive(call) ? call.code : clsKey::kNone;
    if (code == clsKey::kF2) code = clsKey::kEnter;
    if (code == '.') {
        call.result = clsCellResult::OpenEditor;
        call.editorStart = static_cast<int32_t>(call.text.find('.') + 1);
        call.editorLength = 0;
    } else if (code == '=' && transmit) {
        Show(call, FormatFrequency(record.rxFrequency));
        call.result = clsCellResult::OpenEditor;
    } else if (IsDigitCode(code) || code == clsKey::kSpace) {
        EditTyped(call);
    } else if (code == clsKey::kEnter) {
        call.result = clsCellResult::OpenEditor;
    }
    if (transmit) {
        // A simplex channel's transmit cell points at the receive frequency instead.
        const bool simplex =
            record.txFrequency == record.rxFrequency && call.result != clsCellResult::OpenEditor;
        if (simplex) Show(call, "<-");
        call.alignment = simplex ? 1 : 2;
    }
    return changed;
}

bool PositionCell(clsCellCall& call, int32_t& value, clsAxis axis) {
    bool changed = false;
    if (call.mode == clsMode::kCommitted) {
        if (const auto committed = ParsePositionDialogText(call.input, axis)) {
            value = *committed;
            changed = true;
        }
    }
    Show(call, FormatPosition(value, axis));
    if (KeysActive(call)) {
        const int32_t code = call.code;
        if (code == clsKey::kEnter || code == clsKey::kBackspace || code == clsKey::kSpace ||
            code == clsKey::kF2 || IsDigitCode(code)) {
            call.host.OpenEntryDialog(
                call, PositionDialogText(value, axis),
                axis == clsAxis::Latitude ? kDialogLatitudeMode : kDialogLongitudeMode);
            call.result = clsCellResult::Consumed;
        }
    }
    return changed;
}
