#include "app/file_fault_text.h"

#include <cstring>

#include "overlay/gtex.h"
#include "platform/string_format.h"

std::string FileFaultText(cmcGTex& gtex, const std::string& path, const datFileFault& fault) {
    const char* key = nullptr;
    std::string cause;
    switch (fault.kind) {
        case datFileFault::Kind::kNone:
            return {};
        case datFileFault::Kind::kSystem:
            key = "GI_Mess_FileErr_Cause";
            cause = std::strerror(fault.error);
            break;
        case datFileFault::Kind::kNotRegular:
            key = "GI_Mess_FileErr_NotRegular";
            break;
        case datFileFault::Kind::kTooLarge:
            key = "GI_Mess_FileErr_TooLarge";
            break;
    }
    return StringPrintf(gtex.GetFirstLine(key).c_str(), path.c_str(), cause.c_str());
}
