// view.cpp -- mouse look, the camera, and the view vector for the next step.
#include "game/view.h"

#include <cmath>

#include "game/level_change.h"
#include "game/platform.h"
#include "game/player.h"
#include "game/walking.h"
#include "render/scene.h"

float xrot = 0.0f;
float yrot = 0.0f;
int xPos = 0;
int yPos = 0;
int CxPos = 0;
int CyPos = 0;
float xnew = 0.0f;
float znew = 0.0f;
const float vx = 1.0f;
const float vz = -1.0f;
const float pi = 3.14f;

namespace {

// One fixed step of 3 degrees toward the side the pointer went, however far.
float Step(float angle, int difference) {
    if (difference > 0) {
        return angle - 3.0f;
    }
    if (difference < 0) {
        return angle + 3.0f;
    }
    return angle;
}

}  // namespace

void MouseLook(unsigned x, unsigned y) {
    // The names cross over: xPos holds the vertical coordinate, yPos the horizontal.
    yPos = static_cast<int>(x & 0xFFFFu) - 72;
    xPos = static_cast<int>(y & 0xFFFFu) + 110;
    xrot = Step(xrot, CxPos - xPos);
    yrot = Step(yrot, CyPos - yPos);
}

// The comparison above reads client (CyPos + 72, CxPos - 110) as no movement,
// so that is where the pointer goes home; any other point would turn the view
// by itself on every recentring.
int PointerHomeX() {
    return CyPos + 72;
}

int PointerHomeY() {
    return CxPos - 110;
}

void SetClientCentre(int width, int height) {
    CxPos = width / 2;
    CyPos = height / 2;
}

// The vector is the last step's, with walking's sign flips undone; the stair
// offsets are the last step's too.
void SetCamera() {
    const double eyeY = static_cast<double>(centery) + difUpy;
    LookAt(xrot, centerx, eyeY, centerz, static_cast<double>(centerx) + xnew, eyeY + difDowny,
           static_cast<double>(centerz) + znew);
}

void EndFrameView() {
    Mspeed = 1.0f;
    const double a = static_cast<double>(yrot) * pi / 180;
    znew = static_cast<float>(std::cos(a) * vz / 300);
    xnew = static_cast<float>(std::sin(a) * vx / 300);
    SysPointerHome(PointerHomeX(), PointerHomeY());
}

void ResetView() {
    xrot = 0.0f;
    yrot = 0.0f;
    xPos = 0;
    yPos = 0;
    CxPos = 0;
    CyPos = 0;
    xnew = 0.0f;
    znew = 0.0f;
}
