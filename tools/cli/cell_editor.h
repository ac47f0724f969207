#pragma once

#include <cstdint>
#include <string>

class cuiCliEngineHost;
class cuiSheetListing;

enum class clsCellEdit {
    kApplied,        // the engine took the text (it may have clamped or changed it)
    kChosenByValue,  // a choice cell took the raw value of a "#n" text
    kNotEditable,    // the cell opens no editor, list or dialog: the user cannot change it
    kRefused,        // the entry dialog would not send the text, or the list has no value n
    kUnknownChoice,  // a choice cell whose list has no entry with the text
    kMalformedValue  // a choice cell given "#" and no whole number that fits 32 bits
};

// The entry dialog takes letters in upper case and sends its text with every blank turned into
// "0".
std::string EntrySendText(std::string text);

// The text a cell's value is edited as: the in-place editor's or the entry dialog's text as it
// sends it, or for a choice cell its display text.
std::string EditText(cuiSheetListing& listing, int32_t col, int32_t row, cuiCliEngineHost& host);

// Gives a page cell a new value as a user would: Enter on the cell, then the text typed into the
// in-place editor, the entry of the selection list whose text is text ("#n" for the raw value n),
// or the text typed into the entry dialog. For kUnknownChoice, problem lists the choices.
clsCellEdit EditCell(cuiSheetListing& listing, int32_t col, int32_t row, const std::string& text,
                     cuiCliEngineHost& host, std::string& problem);
