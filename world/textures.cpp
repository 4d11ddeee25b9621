// textures.cpp -- STUB
#include "world/textures.h"
GLuint texture[3];
int LoadGLTextures() { return 1; }
void ResetTextures() { texture[0] = texture[1] = texture[2] = 0; }
