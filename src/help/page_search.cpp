#include "help/page_search.h"

#include <algorithm>

namespace {

// Upper-case Latin-1 letters to lower case (0xD7 is the multiplication sign, not a letter).
char Folded(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte >= 'A' && byte <= 'Z') || (byte >= 0xC0 && byte <= 0xDE && byte != 0xD7))
        return static_cast<char>(byte + 0x20);
    return c;
}

std::string FoldedText(const std::string& text) {
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(), Folded);
    return folded;
}

std::vector<std::string> FoldedWords(const std::string& query) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : query + ' ') {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            if (!word.empty()) words.push_back(FoldedText(word));
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

bool HoldsAll(const std::string& folded, const std::vector<std::string>& words) {
    return std::all_of(words.begin(), words.end(), [&](const std::string& word) {
        return folded.find(word) != std::string::npos;
    });
}

}  // namespace

std::vector<size_t> FindHelpPages(const std::vector<datHelpPage>& pages, const std::string& query) {
    const std::vector<std::string> words = FoldedWords(query);
    if (words.empty()) return {};
    struct Match {
        size_t wordsInTitle;
        size_t index;
    };
    std::vector<Match> matches;
    for (size_t i = 0; i < pages.size(); ++i) {
        const std::string title = FoldedText(pages[i].title);
        if (!HoldsAll(title + '\n' + FoldedText(pages[i].text), words)) continue;
        const auto inTitle = std::count_if(words.begin(), words.end(), [&](const std::string& w) {
            return title.find(w) != std::string::npos;
        });
        matches.push_back({static_cast<size_t>(inTitle), i});
    }
    std::sort(matches.begin(), matches.end(), [&](const Match& a, const Match& b) {
        if (a.wordsInTitle != b.wordsInTitle) return a.wordsInTitle > b.wordsInTitle;
        if (pages[a.index].title != pages[b.index].title)
            return pages[a.index].title < pages[b.index].title;
        return a.index < b.index;
    });
    std::vector<size_t> indices;
    for (const Match& match : matches)
        indices.push_back(match.index);
    return indices;
}
