// keymap_test.cpp -- SDL keys become the virtual-key codes the game reads.
#include <gtest/gtest.h>

#include "app/sdl/keymap.h"

namespace {

TEST(KeyMap, GameKeysGetTheirWindowsCodes) {
    EXPECT_EQ(VirtualKey(SDLK_w), 87);
    EXPECT_EQ(VirtualKey(SDLK_s), 83);
    EXPECT_EQ(VirtualKey(SDLK_e), 69);
    EXPECT_EQ(VirtualKey(SDLK_ESCAPE), 27);
    EXPECT_EQ(VirtualKey(SDLK_F1), 112);
    EXPECT_EQ(VirtualKey(SDLK_SPACE), 32);
    EXPECT_EQ(VirtualKey(SDLK_LSHIFT), 16);
    EXPECT_EQ(VirtualKey(SDLK_RSHIFT), 16);
}

TEST(KeyMap, LettersDigitsAndFunctionKeysKeepTheirOrder) {
    EXPECT_EQ(VirtualKey(SDLK_a), 'A');
    EXPECT_EQ(VirtualKey(SDLK_z), 'Z');
    EXPECT_EQ(VirtualKey(SDLK_0), '0');
    EXPECT_EQ(VirtualKey(SDLK_9), '9');
    EXPECT_EQ(VirtualKey(SDLK_F12), 123);
    EXPECT_EQ(VirtualKey(SDLK_F13), 124);
    EXPECT_EQ(VirtualKey(SDLK_F24), 135);
    // SDL puts keypad 0 after keypad 9; Windows before keypad 1.
    EXPECT_EQ(VirtualKey(SDLK_KP_0), 96);
    EXPECT_EQ(VirtualKey(SDLK_KP_1), 97);
    EXPECT_EQ(VirtualKey(SDLK_KP_9), 105);
}

TEST(KeyMap, EveryCodeFitsTheTableAndUnknownKeysHaveNone) {
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const int vk = VirtualKey(SDL_SCANCODE_TO_KEYCODE(scancode));
        EXPECT_GE(vk, 0);
        EXPECT_LT(vk, 256) << "scancode " << scancode;
    }
    for (SDL_Keycode ascii = 0; ascii < 128; ++ascii) {
        EXPECT_LT(VirtualKey(ascii), 256);
    }
    EXPECT_EQ(VirtualKey(SDLK_AUDIOPLAY), 0);
    EXPECT_EQ(VirtualKey(SDLK_UNKNOWN), 0);
}

TEST(KeyMap, AltCombinationsAndF10AreSystemKeys) {
    EXPECT_TRUE(IsSystemKey(SDLK_F10, KMOD_NONE));
    EXPECT_TRUE(IsSystemKey(SDLK_w, KMOD_LALT));
    EXPECT_TRUE(IsSystemKey(SDLK_F4, KMOD_RALT));
    EXPECT_TRUE(IsSystemKey(SDLK_LALT, KMOD_NONE));
    EXPECT_FALSE(IsSystemKey(SDLK_w, KMOD_NONE));
    EXPECT_FALSE(IsSystemKey(SDLK_w, KMOD_LSHIFT));
    EXPECT_FALSE(IsSystemKey(SDLK_e, KMOD_LCTRL | KMOD_RALT));  // AltGr
}

}  // namespace
