#include "cell_editor.h"

#include <cctype>
#include <optional>
#include <string_view>

#include "cli_engine_host.h"
#include "dialogs/entry_check.h"
#include "model/cell_call.h"
#include "model/cell_request.h"
#include "model/choice_list.h"
#include "overlay/cell_obj.h"
#include "overlay/cell_registry.h"
#include "platform/whole_number.h"
#include "sheets/sheet_listing.h"

namespace {

constexpr int32_t kOpenEditor = 2;  // the engine's answer: open the in-place editor

// The value of the entry whose text is text.
bool FindChoice(const cmcChoiceList& list, const std::string& text, int32_t& value) {
    for (const int32_t candidate : list.ScreenOrder()) {
        if (*list.Text(candidate) == text) {
            value = candidate;
            return true;
        }
    }
    return false;
}

std::string ChoiceTexts(const cmcChoiceList& list) {
    std::string texts;
    for (const int32_t value : list.ScreenOrder())
        texts += (texts.empty() ? "'" : ", '") + *list.Text(value) + "'";
    return texts;
}

// What the window would hand back: the owner's request again, committed, with the chosen item
// (label and index) or the typed text on a temporary cell.
void Commit(const cuiCliEngineHost::Window& window, const cmcCellObj& item,
            const std::string& input) {
    cmcCellCapsule itemCapsule;
    itemCapsule.cell = const_cast<cmcCellObj*>(&item);
    itemCapsule.inputText = input;
    cmcCellCapsule commit = window.owner;
    commit.ownerCapsule = &itemCapsule;
    commit.mode = clsMode::kCommitted;
    commit.requestCode = clsKey::kNone;
    commit.requestArgument = 0;
    commit.inputText.clear();
    indActiveCell context;
    EvaluateCell(context, commit, false);
}

cmcCellObj BoundCell(int32_t label, int32_t index) {
    const std::string text =
        "{(%" + std::string(LabelName(label)) + "[" + std::to_string(index) + "])}";
    cmcCellObj cell;
    cell.ParseCell(text, nullptr, nullptr);
    return cell;
}

}  // namespace

std::string EntrySendText(std::string text) {
    for (char& c : text)
        c = c == ' ' ? '0' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

clsCellEdit EditCell(cuiSheetListing& listing, int32_t col, int32_t row, const std::string& text,
                     cuiCliEngineHost& host, std::string& problem) {
    host.TakeWindow();
    const int32_t answer = listing.Sheet().Request(col, row, clsKey::kEnter, 0);
    if (answer == kOpenEditor) {
        listing.Sheet().Request(col, row, clsKey::kNone, 0, &text);
        return clsCellEdit::kApplied;
    }
    const std::optional<cuiCliEngineHost::Window> window = host.TakeWindow();
    if (!window) return clsCellEdit::kNotEditable;
    if (!window->selectionList) {
        // The dialog sends only a text that passes its check; else the cell keeps its value.
        const std::string sent = EntrySendText(text);
        if (!PassesEntryCheck(sent, window->mode)) return clsCellEdit::kRefused;
        Commit(*window, BoundCell(Flex0, 0), sent);
        return clsCellEdit::kApplied;
    }
    const cmcChoiceList& list = host.ChoiceLists().List(window->sheetKey, window->label);
    if (text.size() > 0 && text[0] == '#') {
        const std::optional<int32_t> raw =
            ParseWholeNumber<int32_t>(std::string_view(text).substr(1));
        if (!raw) return clsCellEdit::kMalformedValue;
        if (!list.Holds(*raw)) {
            problem = "the choices are " + ChoiceTexts(list);
            return clsCellEdit::kRefused;
        }
        Commit(*window, BoundCell(window->label, *raw), "");
        return clsCellEdit::kChosenByValue;
    }
    int32_t value = 0;
    if (!FindChoice(list, text, value)) {
        problem = "the choices are " + ChoiceTexts(list);
        return clsCellEdit::kUnknownChoice;
    }
    Commit(*window, BoundCell(window->label, value), "");
    return clsCellEdit::kApplied;
}

std::string EditText(cuiSheetListing& listing, int32_t col, int32_t row, cuiCliEngineHost& host) {
    host.TakeWindow();
    // Opening an editor or a window changes nothing until it commits.
    listing.Sheet().Request(col, row, clsKey::kEnter, 0);
    const std::optional<cuiCliEngineHost::Window> window = host.TakeWindow();
    if (window && !window->selectionList) return EntrySendText(window->text);
    return listing.Text(col, row);
}
