// frame_alloc_test.cpp -- after the first frame the game step takes nothing from the heap.
//
// Its own program: every malloc of the process, C++ and C library alike, is
// counted here while frames run.
#include <gtest/gtest.h>

#include <cstddef>

#include "app/common/gl_setup.h"
#include "app/common/main_loop.h"
#include "app/null/headless.h"
#include "app/null/sys_null.h"
#include "game/frame.h"
#include "game/input.h"
#include "game/platform.h"
#include "tests/unit/scratch_folder.h"

namespace {

bool counting;
long allocations;

}  // namespace

extern "C" {
void* __libc_malloc(std::size_t size);
void* __libc_calloc(std::size_t count, std::size_t size);
void* __libc_realloc(void* block, std::size_t size);

void* malloc(std::size_t size) {
    allocations += counting;
    return __libc_malloc(size);
}
void* calloc(std::size_t count, std::size_t size) {
    allocations += counting;
    return __libc_calloc(count, size);
}
void* realloc(void* block, std::size_t size) {
    allocations += counting;
    return __libc_realloc(block, size);
}
}

namespace {

// Turns of the loop as the shells run them: the clock, the steps not drawn
// and the one that is.
long AllocationsIn(int turns) {
    allocations = 0;
    counting = true;
    for (int i = 0; i < turns; ++i) {
        ShellIdleTurn();
    }
    counting = false;
    return allocations;
}

TEST(FrameAllocTest, FramesAfterTheFirstAllocateNothingStandingOrWalking) {
    ScratchFolder folder(true);
    StartHeadless(glrec::Detail::Counts);
    ReSizeGLScene(640, 480);
    ASSERT_EQ(InitGL(), 1);
    DrawGLScene();
    SetPace(0);
    EXPECT_EQ(AllocationsIn(1000), 0);
    KeyDown(kVkW);
    EXPECT_EQ(AllocationsIn(1000), 0);
    SetPace(kDefaultPace);
    EXPECT_EQ(AllocationsIn(1000), 0);
    EXPECT_GT(StepsRun(), 2000);
    // The count sees the C library too: "lista.txt", opened per frame, allocates.
    SetPace(0);
    sysnull::SetKeyDown(kVkSpace, true);
    EXPECT_GT(AllocationsIn(1), 0);
}

}  // namespace
