// apply_command.cpp -- the one switch over a script's commands.
#include "app/demo/apply_command.h"

#include "app/demo/state_line.h"
#include "game/input.h"
#include "game/view.h"

std::string ApplyCommand(const DemoCommand& command, CommandHost& host) {
    switch (command.op) {
        case DemoOp::Key:
            command.down ? KeyDown(static_cast<unsigned>(command.code)) : KeyUp(static_cast<unsigned>(command.code));
            break;
        case DemoOp::Async:
            host.SetPhysicalKey(command.code, command.down);
            break;
        case DemoOp::Mouse:
            MouseLook(command.x, command.y);
            break;
        case DemoOp::Frames:
            host.Frames(command.count);
            break;
        case DemoOp::Set:
            SetStateVariable(command.name, command.value);  // the reader has checked both
            break;
        case DemoOp::State:
            host.PrintState();
            break;
        case DemoOp::Cell:
            host.PrintCell(command.level, command.row, command.column);
            break;
        case DemoOp::Counts:
            host.PrintCounts();
            break;
        case DemoOp::Gl:
            host.PrintGl();
            break;
        case DemoOp::Calls:
            host.PrintCalls(command.name);
            break;
        case DemoOp::Expect: {
            const std::string difference = CompareStateLines(command.value, host.CurrentState());
            return difference.empty() ? "" : LineMessage(command.line, CommandName(command.op), difference);
        }
    }
    return "";
}
