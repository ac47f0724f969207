#pragma once

#include <QString>
#include <string>

// The one crossing of texts between the core and Qt. Overlay and image texts are single-byte
// Latin-1 texts (the degree sign is 0xB0); paths are in the file system's own encoding.
QString FromCoreText(const std::string& text);
// Characters outside Latin-1 become "?": the core refuses them as it refuses any other character
// the radio cannot show.
std::string ToCoreText(const QString& text);
QString FromCorePath(const std::string& path);
std::string ToCorePath(const QString& path);
