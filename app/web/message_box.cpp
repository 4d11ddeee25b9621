// message_box.cpp -- the one place the shell talks to the player in a box.
#include "app/web/message_box.h"

#include <emscripten.h>

#include <cstdio>

namespace {

// clang-format off
EM_JS(void, PageShowBox, (const char* caption, const char* text), {
    if (Module.showBox) Module.showBox(UTF8ToString(caption), UTF8ToString(text));
});

EM_JS(int, PageConfirm, (const char* caption, const char* text), {
    return window.confirm(UTF8ToString(caption) + "\n\n" + UTF8ToString(text)) ? 1 : 0;
});
// clang-format on

}  // namespace

void ShowBox(const char* text, const char* caption, BoxKind) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    PageShowBox(caption, text);
}

void ShowError(const char* text, const char* caption) {
    ShowBox(text, caption, BoxKind::kError);
}

bool AskYesNo(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
    return PageConfirm(caption, text) != 0;
}
