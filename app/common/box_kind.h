// box_kind.h -- how grave a shell's box is, named alike for every shell.
#pragma once

// Each shell shows these in its own way: with its own icon, or all alike.
enum class BoxKind { kError, kWarning, kInformation };
