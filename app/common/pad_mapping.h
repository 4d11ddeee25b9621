// pad_mapping.h -- gamepads and a finger's drag, as the key and mouse messages the game already knows.
#pragma once

// A shell's pads at one moment, every pad it has merged into one (MergePad).
// Sticks run from -1 to 1, up and left negative, as SDL and the Gamepad API
// give them (XInput's y is turned over to match).
struct PadState {
    bool connected = false;
    float leftY = 0.0f;  // forward is negative
    float rightX = 0.0f;
    float rightY = 0.0f;
    bool forward = false;  // d-pad up
    bool back = false;     // d-pad down
    bool run = false;      // a shoulder or a trigger
    bool open = false;     // A (cross)
    bool start = false;
    bool select = false;  // Back (select)
};

// Two pads play as one: a button held on either, the stick pushed further.
void MergePad(PadState& into, const PadState& pad);

// The right stick pushed all the way, while the mouse is uncapped: the
// messages a second of the mice the game was made for.
constexpr int kPadUncappedRate = 125;

// Turns a shell's pads into key messages through ShellKey ('W', 'S', Shift,
// 'E', Escape, F1) and mouse messages through ShellMouse: the recordings,
// the demos and the game step see nothing new.
class PadMapping {
public:
    // Called by a shell on every turn of its loop with its pads as they are at
    // `now` (the loop's nanoseconds): a key message for each key that changed,
    // and the right stick's mouse messages due since the last call, more the
    // further it is pushed, at most MouseRate() a second. Pads gone (not
    // connected) let every key they held go up.
    void Update(const PadState& pad, long long now);

    // Whether the pads hold key `vk` down: Shift is read by the step as a
    // physical key, so the shells' SysKeyDown asks here too.
    bool Holds(int vk) const;

    // Forgets every key held without a message: a new game's table is clear.
    void Reset();

private:
    static constexpr int kKeys = 6;
    bool held_[kKeys] = {};
    double due_ = 0.0;  // mouse messages owed, less than one between calls
    long long last_ = 0;
    bool timed_ = false;
};

// A finger dragged on the picture: each move is one mouse message toward its
// side, as a mouse moved from the pointer's home by one point (a turn of 3
// degrees each way it went), at most MouseRate() a second; the moves between
// are merged away. A component less than half the other counts as none, here
// and for the right stick, so that a drag sideways does not tilt the view too.
class TouchLook {
public:
    // Called by the page for each touch move by (dx, dy) at `now` (the loop's nanoseconds).
    void Move(double dx, double dy, long long now);
    void Reset();

private:
    long long last_ = 0;
    bool moved_ = false;
};
