#include "sim_memory.h"

#include <algorithm>

#include "model/address_range.h"
#include "model/clone_file.h"

namespace {

constexpr int32_t kModelTypeAddress = 0x0EE9;
constexpr int32_t kLayoutAddress = 0x0EEA;
constexpr int32_t kCommentAddress = 0x0EEB;
constexpr int32_t kCommentLength = 16;
// The memory revision's four digits; the byte between the first and the second is not one.
constexpr int32_t kRevisionDigitAddresses[] = {0x015A, 0x015C, 0x015D, 0x015E};
constexpr int32_t kMapRevision = 2;

void PrepareCloneFile(cmcClnFile& file, cmcEeprom& image, const SimModel& model) {
    file.SetImage(image);
    file.SetModelCode(model.word1);
    file.SetSubCode(model.word2);
    file.SetMapRevision(kMapRevision);
    file.SetMapRevisionCheck([](int32_t revision) { return revision == kMapRevision; });
}

}  // namespace

SimMemory::SimMemory() {
    m_image.SetSize(kImageSize);
}

void SimMemory::MakeDefault(const SimModel& model) {
    for (int32_t address = 0; address < kImageSize; ++address)
        m_image.SetByte(address, static_cast<uint8_t>(address * 13 + (address >> 8)));
    m_image.SetByte(kModelTypeAddress, static_cast<uint8_t>(std::min(model.modelType, 15)));
    m_image.SetByte(kLayoutAddress, 2);
    for (int32_t i = 0; i < kCommentLength; ++i) {
        const char character =
            i < static_cast<int32_t>(model.comment.size()) ? model.comment[i] : ' ';
        m_image.SetByte(kCommentAddress + i, static_cast<uint8_t>(character));
    }
    for (int i = 0; i < 4; ++i)
        m_image.SetByte(kRevisionDigitAddresses[i], static_cast<uint8_t>(model.memoryRevision[i]));
}

bool SimMemory::Load(const std::string& path, const SimModel& model, std::string& error) {
    cmcClnFile file;
    PrepareCloneFile(file, m_image, model);
    const CloneFileResult result = file.Load(path, kCloneFileRanges);
    if (result == CloneFileResult::kOk) return true;
    error = "cannot load " + path + " (" + kCloneFileResultKeys[static_cast<int>(result)] + ")";
    return false;
}

bool SimMemory::Save(const std::string& path, const SimModel& model, std::string& error) {
    cmcClnFile file;
    PrepareCloneFile(file, m_image, model);
    const CloneFileResult result = file.Save(path, kCloneFileRanges);
    if (result == CloneFileResult::kOk) return true;
    error = "cannot save " + path + " (" + kCloneFileResultKeys[static_cast<int>(result)] + ")";
    return false;
}
