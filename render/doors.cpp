// doors.cpp -- STUB
#include "render/doors.h"
float DoorUp = 0; bool DoorUpMax = false; float Oldy2 = 0; int Oldi = 0;
void DoorPass(int, PlayerCell) {}
void ResetDoors() { DoorUp = 0; DoorUpMax = false; Oldy2 = 0; Oldi = 0; }
