// demo_origin.cpp -- a recording's first lines, and what a demo's say of the game that made it.
#include "app/demo/demo_origin.h"

#include <cstdio>
#include <sstream>

#include "app/common/texts.h"
#include "app/demo/printed.h"

namespace {

// From CMake: the project's version, and the build the game was made for.
constexpr const char* kVersion = MAZE_VERSION;
constexpr const char* kBuild = MAZE_BUILD;

}  // namespace

std::vector<std::string> OriginNotes(std::time_t now) {
    char date[32] = "";
    if (const std::tm* utc = std::gmtime(&now)) {
        std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", utc);
    }
    return {Printed(text::kOriginProgram, kVersion, kGameStep), Printed(text::kOriginBuild, kBuild),
            Printed(text::kOriginRecorded, date)};
}

// Reads back what kOriginProgram writes, after the comment mark.
void ReadOriginLine(const std::string& line, DemoOrigin& origin) {
    char version[32];
    int step = 0;
    if (std::sscanf(line.c_str(), "# maze %31[^,], game step %d", version, &step) == 2 && step > 0) {
        origin.version = version;
        origin.gameStep = step;
    }
}

DemoOrigin ReadOrigin(const std::string& script) {
    DemoOrigin origin;
    std::istringstream lines(script);
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line[0] == '#') {
            ReadOriginLine(line, origin);
        }
    }
    return origin;
}

std::string OriginHint(const DemoOrigin& origin) {
    if (origin.gameStep == 0 || origin.gameStep == kGameStep) {
        return "";
    }
    return Printed(text::kOriginHint, origin.version.c_str(), origin.gameStep, kVersion, kGameStep);
}
