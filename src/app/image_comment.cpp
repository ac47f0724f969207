#include "app/image_comment.h"

#include "app/image_identity.h"
#include "model/eeprom.h"

std::string ImageComment(const cmcEeprom& image) {
    std::string comment;
    for (int32_t i = 0; i < kCommentLength; ++i) {
        const uint8_t byte = image.GetByte(kCommentAddress + i);
        comment += byte >= 32 && byte <= 126 ? static_cast<char>(byte) : ' ';
    }
    comment.erase(comment.find_last_not_of(' ') + 1);
    return comment;
}
