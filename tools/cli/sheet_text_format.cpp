#include "sheet_text_format.h"

#include <cstdio>

#include "terminal_text.h"

namespace {

std::string CsvField(const std::string& latin1) {
    const std::string text = Utf8FromLatin1(latin1);
    const bool quote = text.find_first_of(",\"\r\n") != std::string::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' ')) ||
                       (!text.empty() && text.front() == '#');
    if (!quote) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string JsonString(const std::string& latin1) {
    std::string json = "\"";
    for (const char c : Utf8FromLatin1(latin1)) {
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                    json += escaped;
                } else {
                    json += c;
                }
        }
    }
    return json + "\"";
}

std::string JsonRows(const std::vector<std::vector<std::string>>& rows, size_t first, size_t end) {
    std::string json = "[";
    for (size_t r = first; r < end; ++r) {
        json += r == first ? "\n      [" : ",\n      [";
        for (size_t c = 0; c < rows[r].size(); ++c)
            json += (c == 0 ? "" : ", ") + JsonString(rows[r][c]);
        json += "]";
    }
    return json + (end > first ? "\n    ]" : "]");
}

}  // namespace

std::string SheetsAsCsv(const std::vector<datSheetTexts>& sheets) {
    std::string csv;
    for (const datSheetTexts& sheet : sheets) {
        csv += "#" + sheet.key + "\n";
        for (const std::vector<std::string>& row : sheet.rows) {
            for (size_t c = 0; c < row.size(); ++c)
                csv += (c == 0 ? "" : ",") + CsvField(row[c]);
            csv += "\n";
        }
        csv += "\n";
    }
    return csv;
}

std::string SheetsAsJson(const std::vector<datSheetTexts>& sheets) {
    std::string json = "[";
    for (size_t s = 0; s < sheets.size(); ++s) {
        const datSheetTexts& sheet = sheets[s];
        const size_t header = std::min(sheet.rows.size(), static_cast<size_t>(sheet.headerRows));
        json += s == 0 ? "\n  {" : ",\n  {";
        json += "\n    \"sheet\": " + JsonString(sheet.key) + ",";
        json += "\n    \"title\": " + JsonString(sheet.title) + ",";
        json += "\n    \"header\": " + JsonRows(sheet.rows, 0, header) + ",";
        json += "\n    \"rows\": " + JsonRows(sheet.rows, header, sheet.rows.size());
        json += "\n  }";
    }
    return json + "\n]\n";
}

bool SheetsFromCsv(const std::string& text, std::vector<datSheetTexts>& sheets,
                   std::string& error) {
    size_t i = 0;
    int line = 1;
    while (i < text.size()) {
        if (text[i] == '\n' || text[i] == '\r') {
            if (text[i] == '\n') ++line;
            ++i;
            continue;
        }
        if (text[i] == '#') {
            const size_t end = text.find_first_of("\r\n", i);
            sheets.push_back(
                {text.substr(i + 1, end == std::string::npos ? end : end - i - 1), "", 0, {}});
            i = end == std::string::npos ? text.size() : end;
            continue;
        }
        if (sheets.empty()) {
            error = "line " + std::to_string(line) + " comes before any #SHEET line";
            return false;
        }
        std::vector<std::string> row;
        std::string field;
        bool endOfRow = false;
        while (!endOfRow) {
            if (i < text.size() && text[i] == '"') {
                const int start = line;
                ++i;
                for (;; ++i) {
                    if (i >= text.size()) {
                        error = "line " + std::to_string(start) + ": a quote is not closed";
                        return false;
                    }
                    if (text[i] == '"') {
                        if (i + 1 < text.size() && text[i + 1] == '"') {
                            field += '"';
                            ++i;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    if (text[i] == '\n') ++line;
                    field += text[i];
                }
            }
            while (i < text.size() && text[i] != ',' && text[i] != '\n' && text[i] != '\r')
                field += text[i++];
            row.push_back(Latin1FromUtf8(field));
            field.clear();
            if (i < text.size() && text[i] == ',') {
                ++i;
            } else {
                endOfRow = true;
            }
        }
        sheets.back().rows.push_back(std::move(row));
    }
    return true;
}
