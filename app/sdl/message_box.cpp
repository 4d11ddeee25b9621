// message_box.cpp -- the one place the shell talks to the player in a box.
#include "app/sdl/message_box.h"

#include <SDL.h>

#include <cstdio>

namespace {

// A box needs a desktop; the line on stderr reaches a terminal or a log without one.
void Tell(const char* text, const char* caption) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

Uint32 Flags(BoxKind kind) {
    switch (kind) {
        case BoxKind::kError:
            return SDL_MESSAGEBOX_ERROR;
        case BoxKind::kWarning:
            return SDL_MESSAGEBOX_WARNING;
        case BoxKind::kInformation:
            break;
    }
    return SDL_MESSAGEBOX_INFORMATION;
}

}  // namespace

void ShowBox(const char* text, const char* caption, BoxKind kind) {
    Tell(text, caption);
    if (SDL_ShowSimpleMessageBox(Flags(kind), caption, text, nullptr) != 0) {
        std::fprintf(stderr, "(no box could be shown: %s)\n", SDL_GetError());
    }
}

void ShowError(const char* text, const char* caption) {
    ShowBox(text, caption, BoxKind::kError);
}

bool AskYesNo(const char* text, const char* caption) {
    Tell(text, caption);
    enum { kNo, kYes };
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kYes, "Yes"},
        {0, kNo, "No"},
    };
    SDL_MessageBoxData box{};
    box.flags = SDL_MESSAGEBOX_WARNING | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    box.title = caption;
    box.message = text;
    box.numbuttons = SDL_arraysize(buttons);
    box.buttons = buttons;
    int answer = -1;
    if (SDL_ShowMessageBox(&box, &answer) != 0) {
        std::fprintf(stderr, "(no box could be shown: %s)\n", SDL_GetError());
        return false;
    }
    return answer == kYes;
}
