// shell_input.h -- where every shell hands the game its input, so that a
// recording hears it all and a demo can stand in for it.
#pragma once

// What stands between the shells and the game while a demo session runs: a
// recording hears everything the game is given, a demo keeps the player's
// input from the game and gives its own. The game's shells never learn which.
class InputRoute {
public:
    // A key message (virtual-key code) and a mouse message (client
    // coordinates as 16-bit words) from the player. False keeps it from the game.
    virtual bool PassKey(unsigned code, bool down) = 0;
    virtual bool PassMouse(unsigned x, unsigned y) = 0;

    // What a step is to read of physical key `vk`, which the machine says is `physical`.
    virtual bool KeyState(int vk, bool physical) = 0;

    // False when a pause is counted but not waited for.
    virtual bool WaitPauses() = 0;

    // False when keys let go in another window stay as the table has them.
    virtual bool ReleaseKeys() = 0;

    // False when the player's pointer is free to leave the window.
    virtual bool HoldPointer() = 0;

protected:
    ~InputRoute() = default;
};

// Called by the shells for each key message and each mouse message meant for
// the game: into the key table and MouseLook, unless the route keeps it. The
// `At` forms give the moment the message happened on the loop's clock
// (LoopNow), the others take it as now. While the steps keep a pace, a
// message waits, in order, for the first step due at or after its moment, so
// that a key let go within one drawn frame is still seen by the steps it
// spans; at pace 0, or before the first step, it reaches the game at once,
// as between the steps of the original loop.
void ShellKey(unsigned code, bool down);
void ShellKeyAt(unsigned code, bool down, long long at);
void ShellMouse(unsigned x, unsigned y);
void ShellMouseAt(unsigned x, unsigned y, long long at);

// Called by the loop before each step, with the moment that step falls due:
// every message that happened by then reaches the game, in order.
void ApplyMessagesDue(long long due);

// Mouse messages a second, at most: one pointer report is one message, up to
// this many (0: no limit). A report sooner than that after the message before
// joins it while it waits, so that the last position counts, and otherwise
// waits for its turn. The default is the report rate of the mice the game's
// 3 degrees a message were made for.
constexpr int kDefaultMouseRate = 125;
constexpr int kMaxMouseRate = 100000;
int MouseRate();
void SetMouseRate(int perSecond);

// True once after an Escape key-down reached the game: a tap shorter than a
// turn still ends it.
bool TakeEscapePressed();

// Called by the shells' SysKeyDown with the physical state of key `vk`:
// what the step is to read.
bool ShellKeyState(int vk, bool physical);

// The one rule for a window that loses the keyboard, called by every shell
// (Windows on losing activation, SDL on losing the focus, the page on blur):
// the key-up of a key let go elsewhere never arrives, so every key of the
// table is released (a recording notes it before the next step), unless the
// route says no, as a demo does. A pad's keys go too, and stay up until the
// pad lets go and presses again, as a key the window missed would. Every message waiting
// reaches the game first. Where the platform sends key-ups of its own first
// (SDL), the table is already clear of the keyboard's keys.
void ShellReleaseKeys();

// Called by the shells' SysPointerHome: true when the pointer is to go home
// now, at most once per drawn frame (the step running is drawn) and never
// while a demo holds the input. Each time is a round trip to the display.
bool ShellPointerHomeDue();

// Called by the shells' SysPause: counts the pause for the state line and
// holds the step clock back by it. False when the wait is to be skipped, as a
// timed demo does.
bool ShellPause(int milliseconds);

// The pauses counted so far: the pauses of the state line.
long PausesCounted();

// Set by the demo session before the window opens; null for the plain game.
void UseInputRoute(InputRoute* route);

// The player's input straight to the game again, no pause counted, nothing
// waiting, the default mouse rate.
void ResetShellInput();
