#pragma once

#include <string>
#include <vector>

// The file dialogs' filter as the overlay writes it, pairs of description and pattern all
// separated by "|" ("Clone files (*.icf)|*.icf|All files (*.*)|*.*"), as one entry a pair in the
// form "description (patterns)" that the toolkit's dialogs read. A description that already
// names its patterns in parentheses is kept as it is; several patterns are separated by ";" in
// the overlay and by blanks in the entry. A description without a pattern is dropped.
std::vector<std::string> DialogFilterEntries(const std::string& filter);
