// Feeds arbitrary typed texts to every codec that reads what the user types: none may crash, and
// every value a codec accepts must be one the radio can hold.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/frequency_codec.h"
#include "model/id_codec.h"
#include "model/number_codec.h"
#include "model/position_codec.h"
#include "model/timer_codec.h"
#include "model/utc_offset_codec.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    const int32_t frequency = ParseFrequency(text);
    Require(frequency == 0 || frequency == -1 ||
            (frequency >= kLowestFrequency && frequency <= kHighestFrequency &&
             (frequency % kFrequencyRaster == 0 || frequency == kHighestFrequency)));

    if (const auto offset = ParseUtcOffset(text)) {
        Require(*offset >= -kMaxUtcOffsetMinutes && *offset <= kMaxUtcOffsetMinutes);
    }

    const clsTimerRange timer{1000, 120, 255, false};
    if (const auto value = ParseTimerInput(text, timer)) {
        Require(*value == 0 || (*value >= timer.minimum && *value <= timer.maximum));
    }

    const clsNumberRange number{200, 700, 0, 50};
    const clsNumberInput typed = ParseNumberInput(text, number);
    Require(typed.value >= number.minimum && typed.value <= number.maximum);

    uint8_t id[kIdBytes];
    WriteIdDigits(id, text, 9);
    Require(IsIdEmpty(id) || (id[4] % 10 == 0 && IdText(id, 9).size() == 9));

    for (const clsAxis axis : {clsAxis::Latitude, clsAxis::Longitude}) {
        if (const auto position = ParsePositionDialogText(text, axis)) {
            Require(FormatPosition(*position, axis).size() >= 12);
        }
    }
    return 0;
}
