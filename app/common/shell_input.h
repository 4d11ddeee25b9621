// shell_input.h -- where every shell hands the game its input and asks for a
// frame, so that a recording sees it all and a demo can stand in for it.
#pragma once

#include "app/common/main_loop.h"

class DemoRecorder;
class DemoPlayer;

// Called by the shells for each key message (virtual-key code) and each
// mouse message (client coordinates as 16-bit words) meant for the game: into
// the key table and MouseLook, and into the recording. While a demo plays,
// live input is not the game's: only Escape counts, and it stops the demo.
void ShellKey(unsigned code, bool down);
void ShellMouse(unsigned x, unsigned y);

// Called by the shells' SysKeyDown with the physical state of key `vk`:
// what the frame is to read (the demo's state while one plays), recorded.
bool ShellKeyState(int vk, bool physical);

// Called by a shell whose window loses the keyboard, where the key-up of a key
// let go elsewhere would never arrive: every key of the table is released
// (a recording notes it before the next frame). While a demo plays, the table
// is the demo's and stays as it is.
void ShellReleaseKeys();

// Called by the shells' SysPause: counts the pause for the state line and
// holds the step clock back by it. False when the wait is to be skipped, as a
// timed demo does.
bool ShellPause(int milliseconds);

// Called by each shell's loop whenever no message is pending, in place of
// RunIdleTurn: a turn of the game, recorded, or a turn of the demo playing,
// which runs the demo's steps that are due and is done when the demo is.
// A turn with nothing due asks the shell to wait (`waitMs`).
IdleTurn ShellIdleTurn();

// What the game has stepped and paused so far: the frame and pauses of its
// state line. And how many of those steps were drawn and shown.
long StepsRun();
long PausesCounted();
long FramesDrawn();

// Seconds from the demo's first frame to now.
double DemoSeconds();

// Set by the demo session before the window opens; null for the plain game.
void UseRecorder(DemoRecorder* recorder);
void UseDemo(DemoPlayer* player, bool timed);

// Everything back to the plain game at the default pace, nothing counted.
void ResetShellInput();
