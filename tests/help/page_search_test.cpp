// The contents window's search finds pages by the words of their title and text.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/page_search.h"

namespace {

const std::vector<datHelpPage> kPages = {
    {"scan.html", "Scanning", "The radio scans the channels of the tag list."},
    {"tag.html", "Channel tags", "Tagged channels are scanned."},
    {"power.html", "Transmit power", "Low power is 1 W on every channel."},
    {"utc.html", "UTC offset", "The offset from UTC in hours, \xC9t\xE9 included."},
};

std::vector<std::string> Found(const std::string& query) {
    std::vector<std::string> names;
    for (const size_t index : FindHelpPages(kPages, query))
        names.push_back(kPages[index].name);
    return names;
}

TEST(HelpPageSearch, FindsPagesThatHoldEveryWord) {
    struct Case {
        const char* query;
        std::vector<std::string> names;
    };
    const std::vector<Case> cases = {
        {"channel", {"tag.html", "scan.html", "power.html"}},  // titles first, then by title
        {"power channel", {"power.html"}},
        {"scanned tags", {"tag.html"}},
        {"tag scan", {"tag.html", "scan.html"}},       // a word in each title: by title
        {"channels scan", {"scan.html", "tag.html"}},  // "scan" in a title ranks it first
        {"  CHANNEL   scan ", {"tag.html", "scan.html"}},
        {"power tag", {}},
        {"\xE9T\xC9", {"utc.html"}},  // Latin-1 letters ignore their case too
        {"offset hours", {"utc.html"}},
        {"", {}},
        {" \t", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Found(c.query), c.names) << c.query;
    }
}

}  // namespace
