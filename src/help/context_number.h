#pragma once

#include <cstdint>
#include <string>

class cmcHelpGTex;

// Which help belongs to which cell is the help overlay's, in two tab-separated sections read up
// to their line "#": GI_AppItem_Topic_ID maps a label name to a topic (the first line naming the
// label counts), GI_AppItem_Context_ID maps a topic to its context number (the last line naming
// the topic counts). A topic is the file name of its page beside the help contents.

// The context number of a cell's label; 0 when the label has no topic or the topic no number.
int32_t ContextNumberOf(cmcHelpGTex& help, int32_t label);

// The topic whose context number is number, as ContextNumberOf reads the numbers (the first such
// topic of the section); "" for none, and always for 0.
std::string TopicOfContextNumber(cmcHelpGTex& help, int32_t number);
