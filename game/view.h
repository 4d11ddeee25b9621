// view.h -- view angles, the view vector, mouse look and the camera.
#pragma once

extern float xrot;   // pitch in degrees, positive tilts down
extern float yrot;   // yaw in degrees, 0 looks along -z, positive turns right
extern int xPos;     // last mouse message: vertical client coordinate + 110
extern int yPos;     // last mouse message: horizontal client coordinate - 72
extern int CxPos;    // half the client width: compared with xPos
extern int CyPos;    // half the client height: compared with yPos
extern float xnew;   // view vector, length 1/300: also the walking step
extern float znew;
extern const float vx;
extern const float vz;
extern const float pi;  // 3.14, not the real thing; the game's turns depend on it
extern float Mspeed;    // speed factor, doubled by Shift, reset every frame

// A mouse-move message at client coordinates (x, y): turns by 3 degrees.
void MouseLook(unsigned x, unsigned y);

// The client point that the mouse comparison reads as no movement; the pointer
// is put back there at the end of every frame.
int PointerHomeX();
int PointerHomeY();

// Frame step 6: pitch rotation, then gluLookAt from the eye along the vector.
void SetCamera();

// Frame steps 13 and 14: reset Mspeed, next view vector, pointer home.
void EndFrameView();

void ResetView();
