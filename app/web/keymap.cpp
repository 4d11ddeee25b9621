// keymap.cpp -- the one place where the page's key names become virtual-key codes.
#include "app/web/keymap.h"

#include <cstring>

namespace {

struct NamedKey {
    const char* code;
    int vk;
};

// Codes as Windows numbers them, so the game's key table means the same thing in every shell.
constexpr NamedKey kKeys[] = {
    {"Backspace", 8},
    {"Tab", 9},
    {"Enter", 13},
    {"NumpadEnter", 13},
    {"ShiftLeft", 16},
    {"ShiftRight", 16},
    {"ControlLeft", 17},
    {"ControlRight", 17},
    {"AltLeft", 18},
    {"AltRight", 18},
    {"Pause", 19},
    {"CapsLock", 20},
    {"Escape", 27},
    {"Space", 32},
    {"PageUp", 33},
    {"PageDown", 34},
    {"End", 35},
    {"Home", 36},
    {"ArrowLeft", 37},
    {"ArrowUp", 38},
    {"ArrowRight", 39},
    {"ArrowDown", 40},
    {"PrintScreen", 44},
    {"Insert", 45},
    {"Delete", 46},
    {"MetaLeft", 91},
    {"MetaRight", 92},
    {"ContextMenu", 93},
    {"NumpadMultiply", 106},
    {"NumpadAdd", 107},
    {"NumpadSubtract", 109},
    {"NumpadDecimal", 110},
    {"NumpadDivide", 111},
    {"NumLock", 144},
    {"ScrollLock", 145},
    {"Semicolon", 186},
    {"Equal", 187},
    {"Comma", 188},
    {"Minus", 189},
    {"Period", 190},
    {"Slash", 191},
    {"Backquote", 192},
    {"BracketLeft", 219},
    {"Backslash", 220},
    {"BracketRight", 221},
    {"Quote", 222},
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
        return code[3];
    }
    const int digit = NumberAfter(code, "Digit");
    if (digit >= 0 && digit <= 9) {
        return '0' + digit;
    }
    const int pad = NumberAfter(code, "Numpad");
    if (pad >= 0 && pad <= 9) {
        return 96 + pad;
    }
    const int function = NumberAfter(code, "F");
    if (function >= 1 && function <= 24) {
        return 111 + function;
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
            return c - 'a' + 'A';
        }
        if (c >= 'A' && c <= 'Z') {
            return c;
        }
    }
    return ByPlace(code);
}

bool IsSystemKey(int vk, bool altDown, bool ctrlDown) {
    constexpr int kVkF10 = 121;
    constexpr int kVkAlt = 18;
    // Ctrl+Alt is how AltGr reaches Windows programs: as ordinary key-downs.
    return vk == kVkF10 || ((altDown || vk == kVkAlt) && !ctrlDown);
}
