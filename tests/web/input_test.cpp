// input_test.cpp -- the page's keys and pointer movements become the game's messages and key state.
#include <gtest/gtest.h>

#include "app/null/headless.h"
#include "app/web/keymap.h"
#include "app/web/web_input.h"
#include "game/input.h"
#include "game/view.h"

namespace {

class WebInputTest : public ::testing::Test {
protected:
    void SetUp() override {
        StartHeadless(glrec::Detail::Counts);
        ResetWebInput();
    }
};

// Letters by what they type (an AZERTY 'z' sits where 'W' does), the rest by place.
TEST(WebKeyMap, LettersByTheLayoutOtherKeysByPlace) {
    const struct {
        const char* key;
        const char* code;
        int vk;
    } cases[] = {
        {"w", "KeyW", 87},           {"W", "KeyW", 87},
        {"z", "KeyW", 90},           {"\xd1\x86", "KeyW", 87},
        {"!", "Digit1", '1'},        {" ", "Space", 32},
        {"Shift", "ShiftRight", 16}, {"F1", "F1", 112},
        {"F24", "F24", 135},         {"Escape", "Escape", 27},
        {"5", "Numpad5", 101},       {"Dead", "Quote", 222},
        {"Unidentified", "", 0},     {"AudioVolumeUp", "AudioVolumeUp", 0},
        {"Unidentified", "F", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKey(c.key, c.code), c.vk) << c.code;
    }
    EXPECT_TRUE(IsSystemKey(121, false, false));  // F10
    EXPECT_TRUE(IsSystemKey('W', true, false));
    EXPECT_FALSE(IsSystemKey('W', true, true));  // AltGr
    EXPECT_FALSE(IsSystemKey('W', false, false));
}

// The key table from the events; the physical state per key, so one Shift let
// go leaves the other down; Alt combinations reach only the physical state.
TEST_F(WebInputTest, KeyTableAndPhysicalStateFollowTheEvents) {
    EXPECT_FALSE(OnKeyDown("w", "KeyW", false, false));
    EXPECT_EQ(keys[kVkW], 1);
    OnKeyDown("Shift", "ShiftLeft", false, false);
    OnKeyDown("Shift", "ShiftRight", false, false);
    OnKeyUp("Shift", "ShiftLeft");
    EXPECT_TRUE(PhysicalKeyDown(16));
    OnKeyUp("Shift", "ShiftRight");
    EXPECT_FALSE(PhysicalKeyDown(16));
    OnKeyUp("z", "KeyW");  // the layout changed while held: what went down comes up
    EXPECT_EQ(keys[kVkW], 0);
    OnKeyDown("e", "KeyE", true, false);
    EXPECT_EQ(keys[kVkE], 0);
    EXPECT_TRUE(PhysicalKeyDown('E'));
    OnKeyDown("w", "KeyW", false, false);
    OnFocusLost();  // its key-up goes to another window
    EXPECT_FALSE(PhysicalKeyDown('E'));
    EXPECT_EQ(keys[kVkW], 0);
    EXPECT_TRUE(OnKeyDown("F1", "F1", false, false));    // the browser's help stays shut
    EXPECT_TRUE(OnKeyDown(" ", "Space", false, false));  // and the page does not scroll
}

// One message per movement, from the point that reads as none; a movement
// past the window's edge is kept inside it rather than wrapped to the far side.
TEST_F(WebInputTest, EachMovementTurnsOnceTowardItsSide) {
    const struct {
        long dx, dy;
        float yaw, pitch;
    } cases[] = {
        {0, 0, 0, 0}, {1, 0, 3, 0}, {-1, 0, -3, 0}, {0, 1, 0, 3}, {0, -1, 0, -3}, {-5000, 0, -3, 0}, {0, 5000, 0, 3},
    };
    for (const auto& c : cases) {
        xrot = yrot = 0;
        OnPointerMove(c.dx, c.dy);
        EXPECT_EQ(yrot, c.yaw) << c.dx << " " << c.dy;
        EXPECT_EQ(xrot, c.pitch) << c.dx << " " << c.dy;
    }
}

}  // namespace
