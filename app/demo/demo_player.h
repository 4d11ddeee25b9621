// demo_player.h -- a script played into the running game, one scripted step per game step.
#pragma once

#include <functional>
#include <string>

#include "app/demo/apply_command.h"
#include "app/demo/demo_script.h"

// What maze-sim does with a script, less its printing (ApplyCommand): async
// lines become the physical keys the steps read, `expect` is checked, and
// the steps are left to the loop.
class DemoPlayer final : private CommandHost {
public:
    // `stateLine` gives the game's state line at the moment an `expect` is met.
    // `text` has been checked.
    DemoPlayer(DemoText text, std::function<std::string()> stateLine);

    // Called by the demo's turn before each step it runs: runs the commands
    // up to the next scripted step. False when no step is left, after
    // running whatever follows the last one.
    bool NextFrame();

    // The physical state of key `vk` as the script has set it.
    bool KeyDown(int vk) const;

    // True once NextFrame has found no step left: the demo was played to its end.
    bool Finished() const { return finished_; }

    // The first `expect` that did not hold, as "line N: expect: ...", or empty.
    const std::string& Failure() const { return failure_; }

    // What the demo's first line says made it, for the hint after a Failure.
    const DemoOrigin& Origin() const { return text_.Origin(); }

private:
    // The reader keeps codes below kKeyCodes.
    void SetPhysicalKey(int code, bool down) override { physical_[code] = down; }
    void Frames(long count) override { framesLeft_ = count; }
    std::string CurrentState() override { return stateLine_(); }

    DemoText text_;
    std::function<std::string()> stateLine_;
    long framesLeft_ = 0;  // of the last `frames` line
    bool finished_ = false;
    bool physical_[kKeyCodes] = {};
    std::string failure_;
};

// Called by the demo session before the window opens: from then on the loop's
// turns are the demo's, one scripted step per game step at the pace (timed: as
// fast as the frames are drawn, its pauses not waited for), and the
// player's keys and mouse do not reach the game; Escape stops the demo. The
// turn that finds no scripted step left ends the game.
void PlayDemo(DemoPlayer& player, bool timed);

// Seconds from the demo's first turn to now; 0 before it or after StopDemo.
double DemoSeconds();

// The game's own input and turns again.
void StopDemo();
