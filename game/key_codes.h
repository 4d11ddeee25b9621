// key_codes.h -- the virtual-key codes the game reads, numbered as Windows numbers them.
#pragma once

// The key table (input.h) and the physical key state (platform.h) speak these
// codes, whichever shell runs the game: Windows' key messages carry them, the
// SDL and web shells turn their own keys into them (keymap.cpp), and
// recordings and demos write them as numbers. So a value here is part of
// every recording ever made, and never changes.

// The game's own keys.
constexpr int kVkShift = 16;
constexpr int kVkEscape = 27;
constexpr int kVkSpace = 32;
constexpr int kVkE = 'E';
constexpr int kVkS = 'S';
constexpr int kVkW = 'W';
constexpr int kVkF1 = 112;

// Runs in order: letters as their upper-case characters, digits as theirs,
// the keypad's digits, F1 to F24.
constexpr int kVkA = 'A';
constexpr int kVk0 = '0';
constexpr int kVkNumpad0 = 96;
constexpr int kVkF10 = 121;
constexpr int kVkF13 = 124;

constexpr int kVkBackspace = 8;
constexpr int kVkTab = 9;
constexpr int kVkEnter = 13;
constexpr int kVkControl = 17;
constexpr int kVkAlt = 18;
constexpr int kVkPause = 19;
constexpr int kVkCapsLock = 20;
constexpr int kVkPageUp = 33;
constexpr int kVkPageDown = 34;
constexpr int kVkEnd = 35;
constexpr int kVkHome = 36;
constexpr int kVkLeft = 37;
constexpr int kVkUp = 38;
constexpr int kVkRight = 39;
constexpr int kVkDown = 40;
constexpr int kVkPrintScreen = 44;
constexpr int kVkInsert = 45;
constexpr int kVkDelete = 46;
constexpr int kVkLeftWindows = 91;
constexpr int kVkRightWindows = 92;
constexpr int kVkMenu = 93;  // the context-menu key
constexpr int kVkNumpadMultiply = 106;
constexpr int kVkNumpadAdd = 107;
constexpr int kVkNumpadSubtract = 109;
constexpr int kVkNumpadDecimal = 110;
constexpr int kVkNumpadDivide = 111;
constexpr int kVkNumLock = 144;
constexpr int kVkScrollLock = 145;

// Punctuation by where it sits on a US keyboard, whatever it types elsewhere.
constexpr int kVkSemicolon = 186;
constexpr int kVkEquals = 187;
constexpr int kVkComma = 188;
constexpr int kVkMinus = 189;
constexpr int kVkPeriod = 190;
constexpr int kVkSlash = 191;
constexpr int kVkBackquote = 192;
constexpr int kVkLeftBracket = 219;
constexpr int kVkBackslash = 220;
constexpr int kVkRightBracket = 221;
constexpr int kVkQuote = 222;
