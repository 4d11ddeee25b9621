// level_change.cpp -- STUB
#include "game/level_change.h"
float difUpy = 0, difDowny = 0, Bcentery = 1.5f, Dspeed = 0.001f;
void ChangeLevel(const BoxCounts&, PlayerCell) {}
void ResetLevelChange() { difUpy = difDowny = 0; Bcentery = 1.5f; Dspeed = 0.001f; }
