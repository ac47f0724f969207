#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class cmcGTex;

// One line of a menu or tree body: the characters before its first "+" are its indentation, and
// their count is its level; the text after that "+" is the item's cell description. A line
// without "+" has its length as level and no description.
struct datItemLine {
    int32_t level = 0;
    std::string description;
};

// The lines of a body section, from line 0 up to the first line that begins with "#".
std::vector<datItemLine> ReadItemLines(cmcGTex& store, const std::string& section);

// Makes an item for line under parent and returns the new item, the parent of its sub-items.
using clsItemMaker = std::function<int32_t(int32_t parent, const datItemLine& line)>;

// Builds the items of lines under root by the level rule: the first line sets the list's level;
// a following line of greater level starts a sub-list under the item just made, a line of smaller
// level ends the list. Lines after the end of the top list are not read.
void BuildItemTree(const std::vector<datItemLine>& lines, int32_t root, const clsItemMaker& make);
