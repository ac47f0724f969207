// The windowed program's command line: its two switches in both forms and a clone file to open.
#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowCommandLineTest, SwitchesInBothFormsAndOneFile) {
    const struct {
        std::vector<std::string> arguments;
        std::vector<std::string> setup;
        std::string file;
    } cases[] = {
        {{"ktv818x"}, {"ktv818x"}, ""},
        {{"ktv818x", "/TAMBLOR"}, {"ktv818x", "/TAMBLOR"}, ""},
        {{"ktv818x", "--tamblor", "--Convert"}, {"ktv818x", "/tamblor", "/convert"}, ""},
        {{"ktv818x", "/home/skipper/boat.icf"}, {"ktv818x"}, "/home/skipper/boat.icf"},
        {{"ktv818x", "boat.icf", "--convert", "other.icf"}, {"ktv818x", "/convert"}, "boat.icf"},
        {{"ktv818x", "-tamblor"}, {"ktv818x"}, "-tamblor"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments.back());
        const datWindowCommandLine line = ParseWindowCommandLine(test.arguments);
        EXPECT_EQ(line.setupArguments, test.setup);
        EXPECT_EQ(line.file, test.file);
    }
}

}  // namespace
