// view.h -- view angles, the view vector, mouse look and the camera.
#pragma once

extern float xrot;  // pitch in degrees, positive tilts down
extern float yrot;  // yaw in degrees, 0 looks along -z, positive turns right
extern int xPos;    // last mouse message: vertical client coordinate + 110
extern int yPos;    // last mouse message: horizontal client coordinate - 72
extern int CxPos;   // half the client width: compared with xPos
extern int CyPos;   // half the client height: compared with yPos
extern float xnew;  // view vector, length 1/300: also the walking step
extern float znew;
extern const float vx;
extern const float vz;
extern const float pi;  // 3.14, not the real thing; the game's turns depend on it

// Called for every mouse-move message over the game window (by the shells'
// ShellMouse, a demo, maze-sim), at client coordinates (x, y): turns the pitch and the yaw by 3 degrees each
// toward the side the pointer went, however far. The yaw reaches the view
// vector at the end of the next step.
void MouseLook(unsigned x, unsigned y);

// Called by every CreateGLWindow (and the headless start) with the client
// size asked for: the reference point of the mouse comparison.
void SetClientCentre(int width, int height);

// The client point that the mouse comparison reads as no movement; every step
// asks for the pointer to be put back there (SysPointerHome).
int PointerHomeX();
int PointerHomeY();

// Called by a drawn step after walking, before any drawing: tilts by the pitch,
// then looks from the eye (raised by the stair rise) along the view vector.
void SetCamera();

// Called by every step as its last work: resets the speed factor, makes the
// view vector for the next step from the yaw, and asks for the pointer home.
void EndFrameView();

void ResetView();
