// headless.cpp -- one start for every display-less run of the game.
#include "app/null/headless.h"

#include "app/common/game_window.h"
#include "app/demo/demo_session.h"
#include "app/null/sys_null.h"
#include "game/view.h"

void StartHeadless(glrec::Detail detail) {
    ResetProgram();
    sysnull::Reset();
    glrec::Reset(detail);
    SetClientCentre(kWindowWidth, kWindowHeight);
}
