// win32_api.h -- <windows.h> as the Windows shell takes it; the only way in to it.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

// The timer resolution; it needs the types above.
#include <mmsystem.h>
