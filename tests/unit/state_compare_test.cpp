// state_compare_test.cpp -- where an expected state line and the game's part, as the player is told it.
#include <gtest/gtest.h>

#include <string>

#include "app/demo/state_compare.h"

namespace {

TEST(StateCompareTest, NamesTheFirstFieldThatDiffers) {
    const struct {
        const char* expected;
        const char* actual;
        const char* first;  // the first line of what is said; empty when they agree
    } cases[] = {
        {"frame=2 yrot=0 pauses=0", "frame=2 yrot=0 pauses=0", ""},
        {"frame=2  yrot=0\tpauses=0", "frame=2 yrot=0 pauses=0", ""},
        {"frame=2 yrot=0 pauses=0", "frame=2 yrot=3 pauses=0", "yrot is 3, expected 0"},
        {"frame=2 yrot=0 pauses=0", "frame=9 yrot=3 pauses=1", "frame is 9, expected 2"},
        {"frame=2 yrot=0 pauses=0", "frame=2 yrot=0", "pauses is (none), expected 0"},
        {"frame=2 yrot=0", "frame=2 yrot=0 pauses=1", "pauses is 1, expected (none)"},
        {"frame=2", "", "frame is (none), expected 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.expected) + " / " + c.actual);
        const std::string said = CompareStateLines(c.expected, c.actual);
        if (*c.first == '\0') {
            EXPECT_EQ(said, "");
        } else {
            EXPECT_EQ(said, std::string(c.first) + "\n  expected: " + c.expected + "\n  actual:   " + c.actual + "\n");
        }
    }
    // A field missing from the middle is where the lines part, named from the expected one.
    EXPECT_EQ(CompareStateLines("frame=2 lvl=0 yrot=0", "frame=2 yrot=0").rfind("lvl is ", 0), 0u);
}

}  // namespace
