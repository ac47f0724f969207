// The clone information sheet: what the radio reported in its last accepted model reply.

#include "model/cell_call.h"
#include "model/cell_kinds.h"
#include "model/engine_host.h"
#include "model/label_table.h"
#include "platform/string_format.h"

namespace {

constexpr int32_t kRevision = 1;  // five characters
constexpr int32_t kComment = 7;   // sixteen characters
constexpr int32_t kCommentLength = 16;
constexpr int32_t kModelType = 25;

void Model(clsCellCall& call) {
    call.text = call.host.Text("GI_AppInd_Model", call.host.CloneInformation()[kModelType]);
}

void Revision(clsCellCall& call) {
    const uint8_t* info = call.host.CloneInformation() + kRevision;
    call.text = StringPrintf("%c%c%c%c%c", info[0], info[1], info[2], info[3], info[4]);
}

void Comment(clsCellCall& call) {
    // Read-only: the text cell works on a copy and never sees a key or a commit.
    uint8_t comment[kCommentLength];
    const uint8_t* info = call.host.CloneInformation() + kComment;
    for (int32_t i = 0; i < kCommentLength; ++i)
        comment[i] = info[i];
    call.code = clsKey::kNone;
    call.mode = clsMode::kOrdinary;
    TextCell(call, comment, kCommentLength);
}

constexpr clsLabelEntry kLabels[] = {
    {CL_CloneInfo_Model, Model},
    {CL_CloneInfo_Revision, Revision},
    {CL_CloneInfo_Comment, Comment},
};

}  // namespace

std::span<const clsLabelEntry> CloneInfoLabels() {
    return kLabels;
}
