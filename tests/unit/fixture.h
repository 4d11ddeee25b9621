// fixture.h -- every test starts from the program's start values.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/common/shell_state.h"
#include "app/null/gl_record.h"
#include "app/null/sys_null.h"
#include "game/program_state.h"
#include "game/view.h"

class GameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        ResetShellState();
        sysnull::Reset();
        glrec::Reset(glrec::Detail::Full);
        CxPos = 320;  // as CreateGLWindow leaves them for the 640 x 480 window
        CyPos = 240;
    }
};

// A recorded vertex's position, colour and texture coordinate, to compare in one go.
inline std::vector<float> XyzRgbaSt(const glrec::Vertex& v) {
    return {v.x, v.y, v.z, v.r, v.g, v.b, v.a, v.s, v.t};
}

// The recorded calls with their arguments, to compare a whole sequence in one go.
using CallList = std::vector<std::pair<std::string, std::vector<double>>>;

inline CallList Calls() {
    CallList calls;
    for (const glrec::Call& c : glrec::Get().calls) {
        calls.emplace_back(c.name, c.args);
    }
    return calls;
}
