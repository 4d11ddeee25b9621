// keymap.cpp -- the one place where the page's key names become virtual-key codes.
#include "app/web/keymap.h"

#include <cstring>

#include "game/key_codes.h"

namespace {

struct NamedKey {
    const char* code;
    int vk;
};

// Codes as Windows numbers them, so the game's key table means the same thing in every shell.
constexpr NamedKey kKeys[] = {
    {"Backspace", kVkBackspace},
    {"Tab", kVkTab},
    {"Enter", kVkEnter},
    {"NumpadEnter", kVkEnter},
    {"ShiftLeft", kVkShift},
    {"ShiftRight", kVkShift},
    {"ControlLeft", kVkControl},
    {"ControlRight", kVkControl},
    {"AltLeft", kVkAlt},
    {"AltRight", kVkAlt},
    {"Pause", kVkPause},
    {"CapsLock", kVkCapsLock},
    {"Escape", kVkEscape},
    {"Space", kVkSpace},
    {"PageUp", kVkPageUp},
    {"PageDown", kVkPageDown},
    {"End", kVkEnd},
    {"Home", kVkHome},
    {"ArrowLeft", kVkLeft},
    {"ArrowUp", kVkUp},
    {"ArrowRight", kVkRight},
    {"ArrowDown", kVkDown},
    {"PrintScreen", kVkPrintScreen},
    {"Insert", kVkInsert},
    {"Delete", kVkDelete},
    {"MetaLeft", kVkLeftWindows},
    {"MetaRight", kVkRightWindows},
    {"ContextMenu", kVkMenu},
    {"NumpadMultiply", kVkNumpadMultiply},
    {"NumpadAdd", kVkNumpadAdd},
    {"NumpadSubtract", kVkNumpadSubtract},
    {"NumpadDecimal", kVkNumpadDecimal},
    {"NumpadDivide", kVkNumpadDivide},
    {"NumLock", kVkNumLock},
    {"ScrollLock", kVkScrollLock},
    {"Semicolon", kVkSemicolon},
    {"Equal", kVkEquals},
    {"Comma", kVkComma},
    {"Minus", kVkMinus},
    {"Period", kVkPeriod},
    {"Slash", kVkSlash},
    {"Backquote", kVkBackquote},
    {"BracketLeft", kVkLeftBracket},
    {"Backslash", kVkBackslash},
    {"BracketRight", kVkRightBracket},
    {"Quote", kVkQuote},
};

// The number after `prefix` in `code` ("F12" gives 12), or -1.
int NumberAfter(const char* code, const char* prefix) {
    const size_t length = std::strlen(prefix);
    if (std::strncmp(code, prefix, length) != 0 || code[length] == '\0') {
        return -1;
    }
    int number = 0;
    for (const char* c = code + length; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9' || number > 99) {
            return -1;
        }
        number = number * 10 + (*c - '0');
    }
    return number;
}

int ByPlace(const char* code) {
    if (std::strncmp(code, "Key", 3) == 0 && code[3] >= 'A' && code[3] <= 'Z' && code[4] == '\0') {
        return kVkA + (code[3] - 'A');
    }
    const int digit = NumberAfter(code, "Digit");
    if (digit >= 0 && digit <= 9) {
        return kVk0 + digit;
    }
    const int pad = NumberAfter(code, "Numpad");
    if (pad >= 0 && pad <= 9) {
        return kVkNumpad0 + pad;
    }
    const int function = NumberAfter(code, "F");
    if (function >= 1 && function <= 24) {
        return kVkF1 + (function - 1);
    }
    for (const NamedKey& named : kKeys) {
        if (std::strcmp(named.code, code) == 0) {
            return named.vk;
        }
    }
    return 0;
}

}  // namespace

int VirtualKey(const char* key, const char* code) {
    if (key[0] != '\0' && key[1] == '\0') {
        const char c = key[0];
        if (c >= 'a' && c <= 'z') {
            return kVkA + (c - 'a');
        }
        if (c >= 'A' && c <= 'Z') {
            return kVkA + (c - 'A');
        }
    }
    return ByPlace(code);
}

bool IsSystemKey(int vk, bool altDown, bool ctrlDown) {
    // Ctrl+Alt is how AltGr reaches Windows programs: as ordinary key-downs.
    return vk == kVkF10 || ((altDown || vk == kVkAlt) && !ctrlDown);
}
