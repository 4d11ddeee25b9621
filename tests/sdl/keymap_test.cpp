// keymap_test.cpp -- SDL keys become the virtual-key codes the game reads.
#include <gtest/gtest.h>

#include "app/sdl/keymap.h"

namespace {

// The game's own keys, then the ends of the ranges that keep their order.
// SDL puts keypad 0 after keypad 9; Windows before keypad 1.
TEST(KeyMap, KeysGetTheirWindowsCodes) {
    const struct {
        SDL_Keycode key;
        int vk;
    } cases[] = {
        {SDLK_w, 87},     {SDLK_s, 83},      {SDLK_e, 69},      {SDLK_ESCAPE, 27},   {SDLK_F1, 112},
        {SDLK_SPACE, 32}, {SDLK_LSHIFT, 16}, {SDLK_RSHIFT, 16}, {SDLK_a, 'A'},       {SDLK_z, 'Z'},
        {SDLK_0, '0'},    {SDLK_9, '9'},     {SDLK_F12, 123},   {SDLK_F13, 124},     {SDLK_F24, 135},
        {SDLK_KP_0, 96},  {SDLK_KP_1, 97},   {SDLK_KP_9, 105},  {SDLK_AUDIOPLAY, 0}, {SDLK_UNKNOWN, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VirtualKey(c.key), c.vk) << c.key;
    }
}

TEST(KeyMap, EveryCodeFitsTheTable) {
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const int vk = VirtualKey(SDL_SCANCODE_TO_KEYCODE(scancode));
        EXPECT_TRUE(vk >= 0 && vk < 256) << "scancode " << scancode;
    }
    for (SDL_Keycode ascii = 0; ascii < 128; ++ascii) {
        EXPECT_LT(VirtualKey(ascii), 256);
    }
}

TEST(KeyMap, AltCombinationsAndF10AreSystemKeys) {
    const struct {
        SDL_Keycode key;
        Uint16 modifiers;
        bool system;
    } cases[] = {
        {SDLK_F10, KMOD_NONE, true},
        {SDLK_w, KMOD_LALT, true},
        {SDLK_F4, KMOD_RALT, true},
        {SDLK_LALT, KMOD_NONE, true},
        {SDLK_w, KMOD_NONE, false},
        {SDLK_w, KMOD_LSHIFT, false},
        {SDLK_e, KMOD_LCTRL | KMOD_RALT, false},  // AltGr
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsSystemKey(c.key, c.modifiers), c.system) << c.key << " " << c.modifiers;
    }
}

}  // namespace
