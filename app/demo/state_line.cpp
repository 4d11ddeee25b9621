// state_line.cpp -- names, order and formatting of the state line, and where two lines part.
#include "app/demo/state_line.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/common/texts.h"
#include "app/demo/demo_script.h"
#include "game/doors.h"
#include "game/level_change.h"
#include "game/player.h"
#include "game/view.h"
#include "game/walking.h"

namespace {

enum class Kind { Float, Int, Bool };

// What a script may set each variable to: what the game itself can reach, and
// a margin. Positions stay within the grid (rows run along x, 5 units a cell,
// columns along -z, levels 5 units apart) and a cell beyond it; the view
// vector is a 300th of a unit long; speeds, sink rate, stair offsets and the
// door's lift stay within a few cells' worth, and none goes negative where the
// game never makes it so. The angles grow by 3 degrees a mouse step without
// end; a script may set them within 1e5 degrees (some 280 turns), where the
// view vector's sine and cosine were found to come out the same in every
// build. Nothing NaN or infinite can then come of a step. Ints other than the
// level are taken whole.
struct Field {
    const char* name;
    Kind kind;
    void* value;
    double lo, hi;
};

constexpr double kAnyInt = 2147483647.0;

// In the order the line prints them; scripts and expected files rely on it.
// clang-format off
const Field kFields[] = {
    {"centerx",   Kind::Float, &centerx,   -5.0,     55.0},
    {"centery",   Kind::Float, &centery,   -5.0,     20.0},
    {"centerz",   Kind::Float, &centerz,   -105.0,   5.0},
    {"lvl",       Kind::Int,   &lvl,       0.0,      2.0},
    {"xrot",      Kind::Float, &xrot,      -1e5,     1e5},
    {"yrot",      Kind::Float, &yrot,      -1e5,     1e5},
    {"xnew",      Kind::Float, &xnew,      -0.01,    0.01},
    {"znew",      Kind::Float, &znew,      -0.01,    0.01},
    {"Mspeed",    Kind::Float, &Mspeed,    0.0,      10.0},
    {"difUpy",    Kind::Float, &difUpy,    -10.0,    10.0},
    {"difDowny",  Kind::Float, &difDowny,  -10.0,    10.0},
    {"Bcentery",  Kind::Float, &Bcentery,  -5.0,     20.0},
    {"Dspeed",    Kind::Float, &Dspeed,    0.0,      10.0},
    {"dir",       Kind::Int,   &dir,       -kAnyInt - 1, kAnyInt},
    {"clash",     Kind::Int,   &clash,     -kAnyInt - 1, kAnyInt},
    {"DoorUp",    Kind::Float, &DoorUp,    -5.0,     10.0},
    {"DoorUpMax", Kind::Bool,  &DoorUpMax, 0.0,      1.0},
};
// clang-format on

// Decimal only, the same in every build whatever its C library takes: an
// optional sign, digits with an optional fraction (a digit on at least one
// side of the point), an optional exponent; for an int, no point and no
// exponent. No hex, no inf or nan, nothing before or after.
bool IsDecimal(const std::string& text, bool whole) {
    size_t at = text.empty() || (text[0] != '-' && text[0] != '+') ? 0 : 1;
    const size_t integer = Digits(text, at);
    at += integer;
    size_t fraction = 0;
    if (!whole && at < text.size() && text[at] == '.') {
        fraction = Digits(text, at + 1);
        at += 1 + fraction;
    }
    if (integer + fraction == 0) {
        return false;
    }
    if (!whole && at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        at += at < text.size() && (text[at] == '-' || text[at] == '+') ? 1 : 0;
        const size_t exponent = Digits(text, at);
        if (exponent == 0) {
            return false;
        }
        at += exponent;
    }
    return at == text.size();
}

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

// strtod rounds correctly in glibc, musl and mingw-w64 alike, denormals too;
// its ERANGE on an underflow is no refusal, the range below is the judge.
bool Parse(const Field& f, const std::string& text) {
    if (!IsDecimal(text, f.kind != Kind::Float)) {
        return false;
    }
    const double v = std::strtod(text.c_str(), nullptr);
    if (!(v >= f.lo && v <= f.hi)) {
        return false;
    }
    switch (f.kind) {
        case Kind::Float:
            *static_cast<float*>(f.value) = static_cast<float>(v);
            break;
        case Kind::Int:
            *static_cast<int*>(f.value) = static_cast<int>(v);
            break;
        case Kind::Bool:
            *static_cast<bool*>(f.value) = v == 1;
            break;
    }
    return true;
}

std::string NameOf(const std::string& word) {
    return word.substr(0, word.find('='));
}

std::string ValueOf(const std::string& word) {
    const size_t equals = word.find('=');
    return equals == std::string::npos ? word : word.substr(equals + 1);
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
    const Field* f = Named(kFields, name);
    return f != nullptr && Parse(*f, value);
}

bool IsStateVariable(const std::string& name, const std::string& value) {
    const Field* f = Named(kFields, name);
    if (f == nullptr) {
        return false;
    }
    // Parse is the one judge of a value; the variable gets its own back.
    unsigned char saved[sizeof(double)];
    const std::size_t size = f->kind == Kind::Float ? sizeof(float) : f->kind == Kind::Int ? sizeof(int) : sizeof(bool);
    std::memcpy(saved, f->value, size);
    const bool ok = Parse(*f, value);
    std::memcpy(f->value, saved, size);
    return ok;
}

std::string CompareStateLines(const std::string& expected, const std::string& actual) {
    const std::vector<std::string> want = Words(expected), got = Words(actual);
    size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i]) {
        ++i;
    }
    if (i == want.size() && i == got.size()) {
        return "";
    }
    // A field missing on one side is named from the other.
    const std::string field = NameOf(i < want.size() ? want[i] : got[i]);
    const std::string wantValue = i < want.size() ? ValueOf(want[i]) : text::kNoField;
    const std::string gotValue = i < got.size() ? ValueOf(got[i]) : text::kNoField;
    return field + text::kFieldIs + gotValue + text::kFieldExpected + wantValue + text::kExpectedLine + expected +
           text::kActualLine + actual + "\n";
}
