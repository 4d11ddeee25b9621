// demo_origin.cpp -- a recording's first lines, and what a demo's say of the game that made it.
#include "app/demo/demo_origin.h"

#include <cstdio>

#include "app/common/texts.h"
#include "app/demo/demo_script.h"
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

// What kOriginProgram writes, after the comment mark: "# maze VERSION, game
// step N", read by hand so that every build reads a number the same way.
DemoOrigin ReadOrigin(const std::string& script) {
    std::string line = script.substr(0, script.find('\n'));
    if (line.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        line.erase(0, 3);
    }
    DemoOrigin origin;
    const std::string program = "# maze ", step = ", game step ";
    const size_t comma = line.find(',', program.size());
    if (line.compare(0, program.size(), program) != 0 || comma == std::string::npos || comma == program.size() ||
        comma - program.size() > kMaxVersionBytes || line.compare(comma, step.size(), step) != 0) {
        return origin;
    }
    const size_t first = comma + step.size();
    size_t end = first;
    while (end < line.size() && line[end] >= '0' && line[end] <= '9') {
        ++end;
    }
    if (end == first || end - first > kMaxGameStepDigits) {
        return origin;
    }
    const int number = std::stoi(line.substr(first, end - first));
    if (number > 0) {
        origin.version = ShownLine(line.substr(program.size(), comma - program.size()));
        origin.gameStep = number;
    }
    return origin;
}

std::string OriginHint(const DemoOrigin& origin) {
    if (origin.gameStep == 0 || origin.gameStep == kGameStep) {
        return "";
    }
    return Printed(text::kOriginHint, origin.version.c_str(), origin.gameStep, kVersion, kGameStep);
}
