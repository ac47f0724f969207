#include "clone/clone_message.h"

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "overlay/gtex.h"

namespace {

constexpr const char* kHeadKey = "GI_Mess_CloneErr_Head";
constexpr const char* kHintKey = "GI_Mess_CloneErr_Check";

// Used when the overlay has no permission hint of its own: a missing text must not cost the user
// the one clue that says how to reach the port.
constexpr const char* kPermissionHintFallback =
    "The user {user} may not use {device}: it belongs to the group {group}.\n"
    "To fix this, add the user to the group, for example with\n"
    "    sudo usermod -aG {group} {user}\n"
    "then log out and log in again.";

// The hint lines of each code; every code not listed takes the general ones.
struct HintRow {
    CloneResult code;
    std::vector<int32_t> lines;
};
const std::vector<int32_t> kGeneralHints = {0, 1, 2, 3};
const HintRow kHintTable[] = {
    {CloneResult::kWriteRejected, {0, 2, 3}},
    {CloneResult::kModel, {0, 1, 2, 3, 4, 5}},
    {CloneResult::kModelFormat, {0, 1, 2, 3, 4, 5}},
    {CloneResult::kModelType, {6, 7}},
    {CloneResult::kInfoLayout, {0, 4, 5}},
    {CloneResult::kNewerImage, {}},
    {CloneResult::kCancelled, {}},
    {CloneResult::kBackupFailed, {}},
    {CloneResult::kVerifyDiffers, {}},
};

const std::vector<int32_t>& HintLines(CloneResult code) {
    for (const HintRow& row : kHintTable) {
        if (row.code == code) return row.lines;
    }
    return kGeneralHints;
}

// The head line with the port number put in place of its "%d". The line is the overlay's: any
// other "%" stays as it is, so that a stray conversion cannot read an argument that is not there.
std::string WithPortNumber(const std::string& line, int32_t port) {
    std::string text;
    bool numberPlaced = false;
    for (size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '%' && i + 1 < line.size()) {
            if (line[i + 1] == '%') {
                text += '%';
                ++i;
                continue;
            }
            if (line[i + 1] == 'd' && !numberPlaced) {
                text += std::to_string(port);
                numberPlaced = true;
                ++i;
                continue;
            }
        }
        text += line[i];
    }
    return text;
}

void ReplaceAll(std::string& text, std::string_view name, const std::string& value) {
    for (size_t at = text.find(name); at != std::string::npos;
         at = text.find(name, at + value.size())) {
        text.replace(at, name.size(), value);
    }
}

std::string PermissionHint(cmcGTex& gtex, const datPortProblem& problem) {
    std::string text = gtex.HasKey(kPermissionHintKey) ? GetMultiLineText(gtex, kPermissionHintKey)
                                                       : kPermissionHintFallback;
    ReplaceAll(text, "{user}", problem.user);
    ReplaceAll(text, "{group}", problem.group);
    ReplaceAll(text, "{device}", problem.device);
    return text;
}

// The line of kPortCauseKey for each cause.
int32_t PortCauseLine(PortProblem kind) {
    switch (kind) {
        case PortProblem::kNoDevice:
            return 0;
        case PortProblem::kBusy:
            return 1;
        case PortProblem::kNotSerial:
            return 2;
        case PortProblem::kSetup:
            return 3;
        default:
            return 4;
    }
}

std::string PortCause(cmcGTex& gtex, const datPortProblem& problem) {
    std::string text = gtex.GetLine(kPortCauseKey, PortCauseLine(problem.kind));
    ReplaceAll(text, "{device}", problem.device);
    ReplaceAll(text, "{cause}", problem.systemError != 0 ? std::strerror(problem.systemError) : "");
    return text;
}

}  // namespace

std::string ComposeCloneError(cmcGTex& gtex, CloneResult code, int32_t port,
                              const datPortProblem& problem, bool partlyWritten) {
    if (code == CloneResult::kOk) return "";
    const int32_t number = static_cast<int32_t>(code);
    std::string text = gtex.GetLine(kHeadKey, number);
    if (code == CloneResult::kPortOpen) text = WithPortNumber(text, port);
    if (code == CloneResult::kPortOpen && problem.kind == PortProblem::kPermission &&
        !problem.group.empty() && !problem.user.empty()) {
        text += "\n\n" + PermissionHint(gtex, problem);
    } else if (code == CloneResult::kPortOpen && problem.kind != PortProblem::kNone &&
               !problem.device.empty()) {
        text += "\n" + PortCause(gtex, problem);
    }
    if (partlyWritten) text += "\n\n" + GetMultiLineText(gtex, kPartlyWrittenKey);
    const std::vector<int32_t>& hints = HintLines(code);
    for (size_t i = 0; i < hints.size(); ++i) {
        text += (i == 0 ? "\n\n" : "\n") + gtex.GetLine(kHintKey, hints[i]);
    }
    return text;
}
