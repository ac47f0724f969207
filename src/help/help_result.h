#pragma once

#include <cstdint>
#include <string>

class cmcGTex;
class cmcHost;

// Results of the help operations. The numbers are the help viewer's own and stay as they are.
enum class HelpResult : int32_t {
    kShown = 0,
    kFileNotShown = 1,   // the help file cannot be shown
    kTopicNotShown = 2,  // the file exists but has no topic for the context number
    kNoViewer = 3,       // there is no help viewer on this system
};

// Tells the user about a result for the help file at path: an error box naming the file for
// kFileNotShown, a warning for kTopicNotShown, both captioned with the program's title; nothing
// for the others.
void ReportHelpResult(cmcHost& host, cmcGTex& gtex, HelpResult result, const std::string& path);
