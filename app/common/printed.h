// printed.h -- the texts with a format filled in, as a string.
#pragma once

#include <string>

// The compiler checks each call's arguments against its format; MinGW's
// printf is the GNU one here (__USE_MINGW_ANSI_STDIO), not the system's.
#if defined(__MINGW32__)
#define MAZE_PRINTF_FORMAT __attribute__((format(gnu_printf, 1, 2)))
#elif defined(__GNUC__)
#define MAZE_PRINTF_FORMAT __attribute__((format(printf, 1, 2)))
#else
#define MAZE_PRINTF_FORMAT
#endif

// As snprintf, into a string of the length it needs.
std::string Printed(const char* format, ...) MAZE_PRINTF_FORMAT;
