// fixture.h -- every test starts from the program's start values.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/null/gl_record.h"
#include "app/null/headless.h"
#include "app/null/sys_null.h"

class GameTest : public ::testing::Test {
protected:
    void SetUp() override { StartHeadless(glrec::Detail::Full); }
};

// The recorded calls with their arguments, to compare a whole sequence in one go.
using CallList = std::vector<std::pair<std::string, std::vector<double>>>;

inline CallList Calls() {
    CallList calls;
    for (const glrec::Call& c : glrec::Get().calls) {
        calls.emplace_back(c.name, c.args);
    }
    return calls;
}
