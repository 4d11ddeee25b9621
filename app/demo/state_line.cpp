// state_line.cpp -- names, order and formatting of the state line.
#include "app/demo/state_line.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "game/doors.h"
#include "game/level_change.h"
#include "game/player.h"
#include "game/view.h"
#include "game/walking.h"

namespace {

enum class Kind { Float, Int, Bool };

struct Field {
    const char* name;
    Kind kind;
    void* value;
};

// In the order the line prints them; scripts and expected files rely on it.
const Field kFields[] = {
    {"centerx", Kind::Float, &centerx},    {"centery", Kind::Float, &centery},
    {"centerz", Kind::Float, &centerz},    {"lvl", Kind::Int, &lvl},
    {"xrot", Kind::Float, &xrot},          {"yrot", Kind::Float, &yrot},
    {"xnew", Kind::Float, &xnew},          {"znew", Kind::Float, &znew},
    {"Mspeed", Kind::Float, &Mspeed},      {"difUpy", Kind::Float, &difUpy},
    {"difDowny", Kind::Float, &difDowny},  {"Bcentery", Kind::Float, &Bcentery},
    {"Dspeed", Kind::Float, &Dspeed},      {"dir", Kind::Int, &dir},
    {"clash", Kind::Int, &clash},          {"DoorUp", Kind::Float, &DoorUp},
    {"DoorUpMax", Kind::Bool, &DoorUpMax},
};

std::string Format(const Field& f) {
    char buf[64];
    switch (f.kind) {
        case Kind::Float:
            std::snprintf(buf, sizeof buf, "%.9g", static_cast<double>(*static_cast<float*>(f.value)));
            break;
        case Kind::Int:
            std::snprintf(buf, sizeof buf, "%d", *static_cast<int*>(f.value));
            break;
        case Kind::Bool:
            std::snprintf(buf, sizeof buf, "%d", *static_cast<bool*>(f.value) ? 1 : 0);
            break;
    }
    return buf;
}

bool Parse(const Field& f, const std::string& text) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    if (f.kind == Kind::Float) {
        const float v = std::strtof(begin, &end);
        // No game value is ever NaN or infinite, so no script may make one.
        if (end == begin || *end != '\0' || errno == ERANGE || !std::isfinite(v)) {
            return false;
        }
        *static_cast<float*>(f.value) = v;
        return true;
    }
    const long v = std::strtol(begin, &end, 10);
    if (end == begin || *end != '\0' || errno == ERANGE || v < -2147483647L - 1 || v > 2147483647L) {
        return false;
    }
    // The game keeps its level within the grid; a script may not break that.
    if (f.value == &lvl && (v < 0 || v > 2)) {
        return false;
    }
    if (f.kind == Kind::Bool) {
        if (v != 0 && v != 1) {
            return false;
        }
        *static_cast<bool*>(f.value) = v == 1;
    } else {
        *static_cast<int*>(f.value) = static_cast<int>(v);
    }
    return true;
}

}  // namespace

std::string StateLine(long frame, long pauses) {
    std::string line = "frame=" + std::to_string(frame);
    for (const Field& f : kFields) {
        line += ' ';
        line += f.name;
        line += '=';
        line += Format(f);
    }
    return line + " pauses=" + std::to_string(pauses);
}

bool SetStateVariable(const std::string& name, const std::string& value) {
    for (const Field& f : kFields) {
        if (name == f.name) {
            return Parse(f, value);
        }
    }
    return false;
}

bool IsStateVariable(const std::string& name, const std::string& value) {
    for (const Field& f : kFields) {
        if (name == f.name) {
            // Parse is the one judge of a value; the variable gets its own back.
            unsigned char saved[sizeof(double)];
            const std::size_t size = f.kind == Kind::Float ? sizeof(float)
                                     : f.kind == Kind::Int ? sizeof(int)
                                                           : sizeof(bool);
            std::memcpy(saved, f.value, size);
            const bool ok = Parse(f, value);
            std::memcpy(f.value, saved, size);
            return ok;
        }
    }
    return false;
}
