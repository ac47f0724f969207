#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The texts of one page as export writes them and import reads them back.
struct datSheetTexts {
    std::string key;
    std::string title;
    int32_t headerRows = 0;                      // the fixed rows: column captions
    std::vector<std::vector<std::string>> rows;  // Latin-1, as the program holds them
};

// CSV (UTF-8): each page is a line "#KEY" followed by its rows, header rows first, and an
// empty line. Fields with a comma, a quote, a line break or blanks at their ends are quoted.
std::string SheetsAsCsv(const std::vector<datSheetTexts>& sheets);
// JSON (UTF-8): an array of {"sheet", "title", "header": [rows], "rows": [rows]}.
std::string SheetsAsJson(const std::vector<datSheetTexts>& sheets);

// Reads what SheetsAsCsv writes (titles and header rows are not told apart: every row is in
// rows). False with the line number in error when a quote is not closed or a row comes before
// any "#KEY" line.
bool SheetsFromCsv(const std::string& text, std::vector<datSheetTexts>& sheets, std::string& error);
