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

protected:
    ~InputRoute() = default;
};

// Called by the shells for each key message and each mouse message meant for
// the game: into the key table and MouseLook, unless the route keeps it.
void ShellKey(unsigned code, bool down);
void ShellMouse(unsigned x, unsigned y);

// Called by the shells' SysKeyDown with the physical state of key `vk`:
// what the step is to read.
bool ShellKeyState(int vk, bool physical);

// Called by a shell whose window loses the keyboard, where the key-up of a key
// let go elsewhere would never arrive: every key of the table is released
// (a recording notes it before the next step), unless the route says no.
void ShellReleaseKeys();

// Called by the shells' SysPause: counts the pause for the state line and
// holds the step clock back by it. False when the wait is to be skipped, as a
// timed demo does.
bool ShellPause(int milliseconds);

// The pauses counted so far: the pauses of the state line.
long PausesCounted();

// Set by the demo session before the window opens; null for the plain game.
void UseInputRoute(InputRoute* route);

// The player's input straight to the game again, no pause counted.
void ResetShellInput();
