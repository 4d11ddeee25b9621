// printed.cpp -- a format filled in, with no buffer of a guessed size to cut it short.
#include "app/common/printed.h"

#include <cstdarg>
#include <cstdio>

std::string Printed(const char* format, ...) {
    va_list args, again;
    va_start(args, format);
    va_copy(again, args);
    const int size = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string printed(size > 0 ? size : 0, '\0');
    std::vsnprintf(&printed[0], printed.size() + 1, format, again);
    va_end(again);
    return printed;
}
