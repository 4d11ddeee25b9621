// view.cpp -- STUB
#include "game/view.h"
#include "game/platform.h"
float xrot = 0, yrot = 0; int xPos = 0, yPos = 0, CxPos = 0, CyPos = 0;
float xnew = 0, znew = 0; const float vx = 1.0f, vz = -1.0f, pi = 3.14f; float Mspeed = 3.0f;
void MouseLook(unsigned, unsigned) {}
int PointerHomeX() { return CyPos + 72; }
int PointerHomeY() { return CxPos - 110; }
void SetCamera() {}
void EndFrameView() { Mspeed = 1.0f; SysPointerHome(PointerHomeX(), PointerHomeY()); }
void ResetView() { xrot = yrot = 0; xPos = yPos = 0; xnew = znew = 0; Mspeed = 3.0f; }
