#include "app/recent.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Entries(const cmcRecent& recent) {
    std::vector<std::string> entries;
    for (int32_t n = 0; n < recent.Count(); ++n)
        entries.push_back(recent.Path(n));
    return entries;
}

using Paths = std::vector<std::string>;

TEST(Recent, ElevenOpenedFilesKeepTheLastTenMostRecentFirst) {
    cmcRecent recent;
    for (int n = 1; n <= 11; ++n)
        recent.PushFront("/radios/boat" + std::to_string(n) + ".icf");
    ASSERT_EQ(recent.Count(), 10);
    EXPECT_EQ(recent.Path(0), "/radios/boat11.icf");
    EXPECT_EQ(recent.Path(9), "/radios/boat2.icf");
    EXPECT_EQ(recent.Path(10), "");
    EXPECT_EQ(recent.Path(-1), "");

    // Reopening a listed file moves it to the front without dropping anything.
    recent.PushFront("/radios/boat5.icf");
    EXPECT_EQ(recent.Count(), 10);
    EXPECT_EQ(recent.Path(0), "/radios/boat5.icf");
    EXPECT_EQ(recent.Path(9), "/radios/boat2.icf");

    // Appending to a full list keeps the ten already there.
    recent.Append("/radios/new.icf");
    EXPECT_EQ(recent.Count(), 10);
    EXPECT_EQ(recent.Path(9), "/radios/boat2.icf");
}

struct CaseRule {
    cmcPathCase pathCase;
    Paths afterPush;    // /a/Boat.icf, /a/other.icf, then /A/BOAT.ICF pushed
    Paths afterRemove;  // then /a/boat.icf removed
};

class RecentCase : public testing::TestWithParam<CaseRule> {};

TEST_P(RecentCase, PathsDifferingInCaseAreOneFileOnlyWhereTheFileSystemSaysSo) {
    cmcRecent recent(GetParam().pathCase);
    recent.PushFront("/a/Boat.icf");
    recent.PushFront("/a/other.icf");
    recent.PushFront("/A/BOAT.ICF");
    EXPECT_EQ(Entries(recent), GetParam().afterPush);
    recent.Remove("/a/boat.icf");
    EXPECT_EQ(Entries(recent), GetParam().afterRemove);
}

INSTANTIATE_TEST_SUITE_P(BothFileSystems, RecentCase,
                         testing::Values(CaseRule{cmcPathCase::Insensitive,
                                                  {"/A/BOAT.ICF", "/a/other.icf"},
                                                  {"/a/other.icf"}},
                                         CaseRule{cmcPathCase::Sensitive,
                                                  {"/A/BOAT.ICF", "/a/other.icf", "/a/Boat.icf"},
                                                  {"/A/BOAT.ICF", "/a/other.icf", "/a/Boat.icf"}}));

TEST(Recent, FoldsLatin1CapitalsWhereCaseIsIgnored) {
    cmcRecent recent(cmcPathCase::Insensitive);
    recent.PushFront("/d\xC4ten/x.icf");  // "DÄTEN" folded is "däten"
    recent.PushFront("/D\xE4TEN/X.ICF");
    recent.PushFront(
        "/a\xD7"
        "b.icf");  // the multiplication sign is no letter
    recent.PushFront(
        "/a\xF7"
        "b.icf");
    EXPECT_EQ(Entries(recent), (Paths{"/a\xF7"
                                      "b.icf",
                                      "/a\xD7"
                                      "b.icf",
                                      "/D\xE4TEN/X.ICF"}));
}

struct DisplayCase {
    cmcPathCase pathCase;
    std::string path;
    std::string folder;
    std::string shown;
};

class RecentDisplay : public testing::TestWithParam<DisplayCase> {};

TEST_P(RecentDisplay, ShowsTheFileNameAloneForFilesInTheGivenFolder) {
    cmcRecent recent(GetParam().pathCase);
    recent.PushFront(GetParam().path);
    EXPECT_EQ(recent.DisplayName(0, GetParam().folder), GetParam().shown);
    EXPECT_EQ(recent.DisplayName(1, GetParam().folder), "");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, RecentDisplay,
    testing::Values(DisplayCase{cmcPathCase::Sensitive, "/home/u/b.icf", "/home/u", "b.icf"},
                    DisplayCase{cmcPathCase::Sensitive, "/home/u/b.icf", "/home/u//", "b.icf"},
                    DisplayCase{cmcPathCase::Sensitive, "/home/u/b.icf", "/home", "/home/u/b.icf"},
                    DisplayCase{cmcPathCase::Sensitive, "/home/u/b.icf", "/home/U",
                                "/home/u/b.icf"},
                    DisplayCase{cmcPathCase::Insensitive, "/home/u/b.icf", "/HOME/U/", "b.icf"},
                    DisplayCase{cmcPathCase::Sensitive, "/home/u/b.icf", "", "/home/u/b.icf"},
                    DisplayCase{cmcPathCase::Sensitive, "/b.icf", "/", "b.icf"},
                    DisplayCase{cmcPathCase::Sensitive, "/b.icf", "", "/b.icf"},
                    DisplayCase{cmcPathCase::Sensitive, "b.icf", "", "b.icf"}));

}  // namespace
