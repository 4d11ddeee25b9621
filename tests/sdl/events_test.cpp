// events_test.cpp -- what each SDL event does to the key table, `active` and the view.
#include "app/common/shell_state.h"
#include "app/sdl/events.h"
#include "game/input.h"
#include "game/view.h"
#include "unit/fixture.h"

namespace {

class Events : public GameTest {};

SDL_Event Key(Uint32 type, SDL_Keycode key, Uint16 modifiers = KMOD_NONE) {
    SDL_Event event{};
    event.type = type;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event Window(Uint8 what, Uint32 windowId = 0) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = what;
    event.window.windowID = windowId;
    return event;
}

SDL_Event Motion(int x, int y, Uint32 windowId = 0) {
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = x;
    event.motion.y = y;
    event.motion.windowID = windowId;
    return event;
}

// A key let go while Alt is held is no system key: it must stop the walk.
TEST_F(Events, KeysGoDownAndUpInTheTable) {
    EXPECT_TRUE(HandleEvent(Key(SDL_KEYDOWN, SDLK_w)));
    HandleEvent(Key(SDL_KEYDOWN, SDLK_w));  // auto-repeat
    EXPECT_EQ(keys[87], 1);
    EXPECT_TRUE(HandleEvent(Key(SDL_KEYUP, SDLK_w)));
    EXPECT_EQ(keys[87], 0);
    HandleEvent(Key(SDL_KEYDOWN, SDLK_w));
    HandleEvent(Key(SDL_KEYUP, SDLK_w, KMOD_LALT));
    EXPECT_EQ(keys[87], 0);
}

TEST_F(Events, SystemKeysNeverReachTheTable) {
    HandleEvent(Key(SDL_KEYDOWN, SDLK_F10));
    HandleEvent(Key(SDL_KEYDOWN, SDLK_e, KMOD_LALT));
    HandleEvent(Key(SDL_KEYDOWN, SDLK_AUDIOPLAY));
    EXPECT_EQ(KeysDown(), 0);
}

// A key the table still holds on losing the focus (a pad's: SDL lets go of
// the keyboard's itself) is let go, as in every shell.
TEST_F(Events, MinimisingStopsTheFramesAndRestoringResumesThem) {
    HandleEvent(Key(SDL_KEYDOWN, SDLK_w));
    HandleEvent(Window(SDL_WINDOWEVENT_FOCUS_LOST));
    EXPECT_EQ(keys[87], 0);
    EXPECT_EQ(active, 1);  // another window in front still sees the game run
    HandleEvent(Window(SDL_WINDOWEVENT_MINIMIZED));
    EXPECT_EQ(active, 0);
    HandleEvent(Window(SDL_WINDOWEVENT_RESTORED));
    EXPECT_EQ(active, 1);
}

TEST_F(Events, ClosingTheWindowOrQuittingEndsTheGame) {
    EXPECT_FALSE(HandleEvent(Window(SDL_WINDOWEVENT_CLOSE)));
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    EXPECT_FALSE(HandleEvent(quit));
    EXPECT_TRUE(HandleEvent(Window(SDL_WINDOWEVENT_EXPOSED)));
}

// The point reaches mouse look as a Windows message carries it: x, then y.
TEST_F(Events, PointerMotionReachesMouseLook) {
    HandleEvent(Motion(400, 100));
    EXPECT_EQ((std::vector<float>{xrot, yrot}), TurnOf(400, 100));
}

TEST_F(Events, EventsOfAWindowAlreadyGoneAreIgnored) {
    HandleEvent(Motion(600, 10, 7));
    HandleEvent(Window(SDL_WINDOWEVENT_MINIMIZED, 7));
    EXPECT_TRUE(HandleEvent(Window(SDL_WINDOWEVENT_CLOSE, 7)));
    EXPECT_EQ(yrot, 0.0f);
    EXPECT_EQ(active, 1);
}

}  // namespace
