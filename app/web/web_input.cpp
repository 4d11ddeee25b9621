// web_input.cpp -- key messages, mouse messages and the physical key state of the web shell.
#include "app/web/web_input.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "app/common/game_window.h"
#include "app/common/shell_input.h"
#include "app/web/keymap.h"
#include "game/input.h"
#include "game/platform.h"
#include "game/view.h"

namespace {

// Held keys by their place, so that one of two Shift keys let go leaves the other down.
std::vector<std::pair<std::string, int>> held;

long Clamp(long value, long low, long high) {
    return std::min(std::max(value, low), high);
}

}  // namespace

bool OnKeyDown(const char* key, const char* code, bool altDown, bool ctrlDown, long long at) {
    const int vk = VirtualKey(key, code);
    if (vk == 0) {
        return false;
    }
    const auto place = std::find_if(held.begin(), held.end(), [&](const auto& h) { return h.first == code; });
    if (place == held.end()) {
        held.emplace_back(code, vk);
    }
    if (!IsSystemKey(vk, altDown, ctrlDown)) {
        ShellKeyAt(static_cast<unsigned>(vk), true, at);
    }
    return vk == kVkF1 || vk == kVkSpace;
}

// The code the key went down with goes up, even if the layout changed in between.
void OnKeyUp(const char* key, const char* code, long long at) {
    const auto place = std::find_if(held.begin(), held.end(), [&](const auto& h) { return h.first == code; });
    int vk = VirtualKey(key, code);
    if (place != held.end()) {
        vk = place->second;
        held.erase(place);
    }
    if (vk != 0) {
        ShellKeyAt(static_cast<unsigned>(vk), false, at);
    }
}

void OnPointerMove(long dx, long dy, long long at) {
    const long x = Clamp(PointerHomeX() + dx, 0, kWindowWidth - 1);
    const long y = Clamp(PointerHomeY() + dy, 0, kWindowHeight - 1);
    ShellMouseAt(static_cast<unsigned>(x), static_cast<unsigned>(y), at);
}

void OnFocusLost() {
    held.clear();
    ShellReleaseKeys();
}

bool PhysicalKeyDown(int vk) {
    return std::any_of(held.begin(), held.end(), [vk](const auto& h) { return h.second == vk; });
}

void ResetWebInput() {
    held.clear();
}
