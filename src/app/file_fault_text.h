#pragma once

#include <string>

#include "platform/file_fault.h"

class cmcGTex;

// The line a file error adds below its text: the path and why the system or the program would
// not use it. Empty when there is no such cause (the file's content was at fault).
std::string FileFaultText(cmcGTex& gtex, const std::string& path, const datFileFault& fault);
