#include "app/write_safety.h"

#include <initializer_list>
#include <string_view>
#include <utility>

#include "overlay/gtex.h"
#include "platform/string_format.h"

namespace {

using Placeholder = std::pair<std::string_view, std::string>;

// The overlay's line with each {name} replaced by its value, in one pass: a value (a cell's
// text, which the user typed) is never searched for placeholders itself.
std::string Filled(const std::string& line, std::initializer_list<Placeholder> placeholders) {
    std::string text;
    for (size_t at = 0; at < line.size();) {
        bool replaced = false;
        for (const auto& [name, value] : placeholders) {
            if (line.compare(at, name.size(), name) == 0) {
                text += value;
                at += name.size();
                replaced = true;
                break;
            }
        }
        if (!replaced) text += line[at++];
    }
    return text;
}

std::string Address(int32_t address) {
    return StringPrintf("%04X", static_cast<unsigned>(address));
}

std::string Byte(uint8_t value) {
    return StringPrintf("%02X", value);
}

}  // namespace

std::string ComposeWriteReview(cmcGTex& gtex, const datWriteReview& review) {
    std::string text;
    if (review.IsOtherModel()) {
        text += Filled(gtex.GetFirstLine("GI_Mess_Review_OtherModel"),
                       {{"{radio}", std::to_string(review.radioModelType)},
                        {"{document}", std::to_string(review.documentModelType)}}) +
                "\n";
    }
    if (review.IsOtherRadio()) {
        text +=
            Filled(gtex.GetFirstLine("GI_Mess_Review_OtherRadio"),
                   {{"{radio}", review.radioIdentity}, {"{document}", review.documentIdentity}}) +
            "\n";
    }
    if (!text.empty()) text += "\n";
    if (review.changes.IsEmpty()) {
        text += gtex.GetFirstLine("GI_Mess_Review_None") + "\n";
    } else {
        text += gtex.GetFirstLine("GI_Mess_Review_Head") + "\n";
        const std::string cellLine = gtex.GetFirstLine("GI_Mess_Review_Cell");
        for (const datCellDifference& cell : review.changes.cells) {
            text +=
                "  " +
                Filled(cellLine,
                       {{"{cell}", cell.name}, {"{held}", cell.before}, {"{wrote}", cell.after}}) +
                "\n";
        }
        const std::string byteLine = gtex.GetFirstLine("GI_Mess_Review_Byte");
        for (const datByteDifference& byte : review.changes.bytes) {
            text += "  " +
                    Filled(byteLine, {{"{address}", Address(byte.address)},
                                      {"{held}", Byte(byte.before)},
                                      {"{wrote}", Byte(byte.after)}}) +
                    "\n";
        }
    }
    return text + "\n" + gtex.GetFirstLine("GI_Mess_Review_Confirm");
}

std::string ComposeVerifyDifferences(cmcGTex& gtex, const datImageDifferences& differences) {
    std::string text = gtex.GetFirstLine("GI_Mess_Verify_Differs");
    const std::string cellLine = gtex.GetFirstLine("GI_Mess_Verify_Cell");
    for (const datCellDifference& cell : differences.cells) {
        text += "\n  " +
                Filled(cellLine,
                       {{"{cell}", cell.name}, {"{wrote}", cell.before}, {"{held}", cell.after}});
    }
    const std::string byteLine = gtex.GetFirstLine("GI_Mess_Verify_Byte");
    for (const datByteDifference& byte : differences.bytes) {
        text += "\n  " + Filled(byteLine, {{"{address}", Address(byte.address)},
                                           {"{wrote}", Byte(byte.before)},
                                           {"{held}", Byte(byte.after)}});
    }
    return text;
}
