// fixture.h -- every test starts from the program's start values.
#pragma once

#include <gtest/gtest.h>

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
