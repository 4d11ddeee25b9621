// keymap.cpp -- the one place where SDL key codes become virtual-key codes.
#include "app/sdl/keymap.h"

#include "game/key_codes.h"

namespace {

struct KeyPair {
    SDL_Keycode key;
    int vk;
};

// Keys outside the contiguous runs below; codes as Windows numbers them, so
// the game's key table means the same thing in every shell.
constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, kVkBackspace},
    {SDLK_TAB, kVkTab},
    {SDLK_RETURN, kVkEnter},
    {SDLK_KP_ENTER, kVkEnter},
    {SDLK_LSHIFT, kVkShift},
    {SDLK_RSHIFT, kVkShift},
    {SDLK_LCTRL, kVkControl},
    {SDLK_RCTRL, kVkControl},
    {SDLK_LALT, kVkAlt},
    {SDLK_RALT, kVkAlt},
    {SDLK_PAUSE, kVkPause},
    {SDLK_CAPSLOCK, kVkCapsLock},
    {SDLK_ESCAPE, kVkEscape},
    {SDLK_SPACE, kVkSpace},
    {SDLK_PAGEUP, kVkPageUp},
    {SDLK_PAGEDOWN, kVkPageDown},
    {SDLK_END, kVkEnd},
    {SDLK_HOME, kVkHome},
    {SDLK_LEFT, kVkLeft},
    {SDLK_UP, kVkUp},
    {SDLK_RIGHT, kVkRight},
    {SDLK_DOWN, kVkDown},
    {SDLK_PRINTSCREEN, kVkPrintScreen},
    {SDLK_INSERT, kVkInsert},
    {SDLK_DELETE, kVkDelete},
    {SDLK_LGUI, kVkLeftWindows},
    {SDLK_RGUI, kVkRightWindows},
    {SDLK_APPLICATION, kVkMenu},
    {SDLK_KP_0, kVkNumpad0},
    {SDLK_KP_1, kVkNumpad0 + 1},
    {SDLK_KP_2, kVkNumpad0 + 2},
    {SDLK_KP_3, kVkNumpad0 + 3},
    {SDLK_KP_4, kVkNumpad0 + 4},
    {SDLK_KP_5, kVkNumpad0 + 5},
    {SDLK_KP_6, kVkNumpad0 + 6},
    {SDLK_KP_7, kVkNumpad0 + 7},
    {SDLK_KP_8, kVkNumpad0 + 8},
    {SDLK_KP_9, kVkNumpad0 + 9},
    {SDLK_KP_MULTIPLY, kVkNumpadMultiply},
    {SDLK_KP_PLUS, kVkNumpadAdd},
    {SDLK_KP_MINUS, kVkNumpadSubtract},
    {SDLK_KP_PERIOD, kVkNumpadDecimal},
    {SDLK_KP_DIVIDE, kVkNumpadDivide},
    {SDLK_NUMLOCKCLEAR, kVkNumLock},
    {SDLK_SCROLLLOCK, kVkScrollLock},
    {SDLK_SEMICOLON, kVkSemicolon},
    {SDLK_EQUALS, kVkEquals},
    {SDLK_COMMA, kVkComma},
    {SDLK_MINUS, kVkMinus},
    {SDLK_PERIOD, kVkPeriod},
    {SDLK_SLASH, kVkSlash},
    {SDLK_BACKQUOTE, kVkBackquote},
    {SDLK_LEFTBRACKET, kVkLeftBracket},
    {SDLK_BACKSLASH, kVkBackslash},
    {SDLK_RIGHTBRACKET, kVkRightBracket},
    {SDLK_QUOTE, kVkQuote},
};

}  // namespace

int VirtualKey(SDL_Keycode key) {
    if (key >= SDLK_a && key <= SDLK_z) {
        return kVkA + (key - SDLK_a);
    }
    if (key >= SDLK_0 && key <= SDLK_9) {
        return kVk0 + (key - SDLK_0);
    }
    if (key >= SDLK_F1 && key <= SDLK_F12) {
        return kVkF1 + (key - SDLK_F1);
    }
    if (key >= SDLK_F13 && key <= SDLK_F24) {
        return kVkF13 + (key - SDLK_F13);
    }
    for (const KeyPair& pair : kKeys) {
        if (pair.key == key) {
            return pair.vk;
        }
    }
    return 0;
}

bool IsSystemKey(SDL_Keycode key, Uint16 modifiers) {
    const bool altDown = (modifiers & KMOD_ALT) != 0 || key == SDLK_LALT || key == SDLK_RALT;
    // Ctrl+Alt is how AltGr reaches Windows programs: as ordinary key-downs.
    const bool ctrlDown = (modifiers & KMOD_CTRL) != 0;
    return key == SDLK_F10 || (altDown && !ctrlDown);
}
