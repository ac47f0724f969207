#pragma once

#include <string>

// The program's texts are single-byte (Latin-1), as the overlay and the image hold them; the
// terminal, the command line and CSV or JSON files speak UTF-8.

// A UTF-8 text as Latin-1: characters beyond Latin-1 become "?"; bytes that are not UTF-8 are
// taken as Latin-1 already.
std::string Latin1FromUtf8(const std::string& text);
std::string Utf8FromLatin1(const std::string& text);
