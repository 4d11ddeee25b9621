// apply_command.h -- one command of a script done to the game, the same in maze-sim and in a demo.
#pragma once

#include <string>

#include "app/demo/demo_script.h"

// What a command needs of whoever runs the script: where its physical keys
// are kept, how its steps run, the state line an `expect` is held against.
// The printing commands print only in maze-sim; a demo leaves them be.
class CommandHost {
public:
    virtual void SetPhysicalKey(int code, bool down) = 0;
    virtual void Frames(long count) = 0;
    virtual std::string CurrentState() = 0;

    virtual void PrintState() {}
    virtual void PrintCell(int, int, int) {}
    virtual void PrintCounts() {}
    virtual void PrintGl() {}
    virtual void PrintCalls(const std::string&) {}

protected:
    ~CommandHost() = default;
};

// Called by maze-sim for each command as it is read, and by the demo player
// between its steps: key lines go into the key table, mouse lines to
// MouseLook, `set` to its variable, the rest to `host`. Empty, or for an
// `expect` that does not hold, "line N: expect: " and what CompareStateLines says.
std::string ApplyCommand(const DemoCommand& command, CommandHost& host);
