// demo_script.cpp -- the script's words, lines read into commands and written back, a demo's text and file.
#include "app/demo/demo_script.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "app/common/open_file.h"
#include "app/common/printed.h"
#include "app/common/texts.h"
#include "app/demo/state_line.h"
#include "world/level_grid.h"

namespace {

using Args = std::vector<std::string>;

constexpr char kCommentMark = '#';
constexpr const char* kDown = "down";
constexpr const char* kUp = "up";

bool ToLong(const std::string& text, long lo, long hi, long& value) {
    const char* begin = text.c_str();
    char* end = nullptr;
    errno = 0;
    value = std::strtol(begin, &end, 10);
    return end != begin && *end == '\0' && errno != ERANGE && value >= lo && value <= hi;
}

bool ToInt(const std::string& text, int lo, int hi, int& value) {
    long read = 0;
    if (!ToLong(text, lo, hi, read)) {
        return false;
    }
    value = static_cast<int>(read);
    return true;
}

// Client coordinates travel as the 16-bit words of the message: -1 is 65535.
bool ToWord(const std::string& text, unsigned& value) {
    long read = 0;
    if (!ToLong(text, -32768, 65535, read)) {
        return false;
    }
    value = static_cast<unsigned>(static_cast<unsigned long>(read) & 0xFFFFu);
    return true;
}

bool ToUpDown(const std::string& text, bool& down) {
    down = text == kDown;
    return down || text == kUp;
}

// Each reader gets the line's words, the command's name first; each writer
// gives the words that follow the name.

bool ReadKey(const Args& a, DemoCommand& c) {
    return a.size() == 3 && ToInt(a[1], 0, kKeyCodes - 1, c.code) && ToUpDown(a[2], c.down);
}

std::string WriteKey(const DemoCommand& c) {
    return std::to_string(c.code) + " " + (c.down ? kDown : kUp);
}

bool ReadMouse(const Args& a, DemoCommand& c) {
    return a.size() == 3 && ToWord(a[1], c.x) && ToWord(a[2], c.y);
}

std::string WriteMouse(const DemoCommand& c) {
    return std::to_string(c.x) + " " + std::to_string(c.y);
}

bool ReadFrames(const Args& a, DemoCommand& c) {
    return a.size() == 2 && ToLong(a[1], 0, 100000000L, c.count);
}

std::string WriteFrames(const DemoCommand& c) {
    return std::to_string(c.count);
}

bool ReadSet(const Args& a, DemoCommand& c) {
    if (a.size() != 3 || !IsStateVariable(a[1], a[2])) {
        return false;
    }
    c.name = a[1];
    c.value = a[2];
    return true;
}

std::string WriteSet(const DemoCommand& c) {
    return c.name + " " + c.value;
}

bool ReadBare(const Args& a, DemoCommand&) {
    return a.size() == 1;
}

std::string WriteBare(const DemoCommand&) {
    return "";
}

bool ReadCell(const Args& a, DemoCommand& c) {
    return a.size() == 4 && ToInt(a[1], 0, kLevels - 1, c.level) && ToInt(a[2], 0, kRows - 1, c.row) &&
           ToInt(a[3], 0, kColumns - 1, c.column);
}

std::string WriteCell(const DemoCommand& c) {
    return std::to_string(c.level) + " " + std::to_string(c.row) + " " + std::to_string(c.column);
}

bool ReadCalls(const Args& a, DemoCommand& c) {
    if (a.size() == 2) {
        c.name = a[1];
    }
    return a.size() <= 2;
}

std::string WriteCalls(const DemoCommand& c) {
    return c.name;
}

// The state line is compared as words, so spacing in the script does not
// matter; each is NAME=VALUE, so a line cut off within a word does not read.
bool ReadExpect(const Args& a, DemoCommand& c) {
    for (size_t i = 1; i < a.size(); ++i) {
        const size_t equals = a[i].find('=');
        if (equals == 0 || equals == std::string::npos || equals + 1 == a[i].size()) {
            return false;
        }
        c.value += (i > 1 ? " " : "") + a[i];
    }
    return a.size() > 1;
}

std::string WriteExpect(const DemoCommand& c) {
    return c.value;
}

// The script's words: the one list the reader, the writer and the messages use.
struct Word {
    const char* name;
    DemoOp op;
    bool (*read)(const Args&, DemoCommand&);
    std::string (*write)(const DemoCommand&);
};

// clang-format off
const Word kWords[] = {
    {"key",    DemoOp::Key,    ReadKey,    WriteKey},
    {"async",  DemoOp::Async,  ReadKey,    WriteKey},
    {"mouse",  DemoOp::Mouse,  ReadMouse,  WriteMouse},
    {"frames", DemoOp::Frames, ReadFrames, WriteFrames},
    {"set",    DemoOp::Set,    ReadSet,    WriteSet},
    {"state",  DemoOp::State,  ReadBare,   WriteBare},
    {"cell",   DemoOp::Cell,   ReadCell,   WriteCell},
    {"counts", DemoOp::Counts, ReadBare,   WriteBare},
    {"gl",     DemoOp::Gl,     ReadBare,   WriteBare},
    {"calls",  DemoOp::Calls,  ReadCalls,  WriteCalls},
    {"expect", DemoOp::Expect, ReadExpect, WriteExpect},
};
// clang-format on

const Word& Of(DemoOp op) {
    for (const Word& w : kWords) {
        if (op == w.op) {
            return w;
        }
    }
    return kWords[0];  // every op has its word
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

// From CMake: the project's version, and the build the game was made for.
constexpr const char* kVersion = MAZE_VERSION;
constexpr const char* kBuild = MAZE_BUILD;

// What refuses a line before its words are read, or null. A carriage return
// ends a line only before its newline: where it stands alone, the file's
// lines end as no reader here reads them, and the line numbers would lie.
const char* RefusedBytes(const std::string& line) {
    if (line.size() > kMaxLineBytes) {
        static const std::string tooLong = Printed(text::kLineTooLong, kMaxLineBytes);
        return tooLong.c_str();
    }
    if (line.find('\0') != std::string::npos) {
        return text::kNulByte;
    }
    const size_t cr = line.find('\r');
    return cr == std::string::npos || cr + 1 == line.size() ? nullptr : text::kLoneCarriageReturn;
}

}  // namespace

LineKind ParseScriptLine(std::string line, long long number, bool terminated, DemoCommand& command,
                         std::string& error) {
    if (number == 1 && line.compare(0, 3, kByteOrderMark) == 0) {
        line.erase(0, 3);
    }
    if (const char* refused = RefusedBytes(line)) {
        error = LineMessage(number, refused, ShownLine(line));
        return LineKind::Bad;
    }
    // Whatever it reads as, a last line without its newline was cut off as
    // it was written: `mouse 312 2` may be `mouse 312 210` cut short.
    if (!terminated && !line.empty()) {
        error = text::kScriptLine + std::to_string(number) + text::kCutShort + std::to_string(number - 1);
        return LineKind::CutShort;
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    const Args args = Words(line);
    if (args.empty() || args[0][0] == kCommentMark) {
        return LineKind::Blank;
    }
    const Word* word = Named(kWords, args[0]);
    command = DemoCommand{};
    command.line = number;
    if (word != nullptr) {
        command.op = word->op;
        if (word->read(args, command)) {
            return LineKind::Command;
        }
    }
    error = LineMessage(number, word == nullptr ? text::kUnknownCommand : text::kMalformed, ShownLine(line));
    return LineKind::Bad;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    for (size_t at = 0; at < line.size();) {
        if (IsBlank(line[at])) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < line.size() && !IsBlank(line[end])) {
            ++end;
        }
        words.emplace_back(line, at, end - at);
        at = end;
    }
    return words;
}

std::string ScriptLine(const DemoCommand& command) {
    const Word& word = Of(command.op);
    const std::string words = word.write(command);
    return words.empty() ? word.name : word.name + (" " + words);
}

std::string CommentLine(const std::string& text) {
    return std::string(1, kCommentMark) + " " + text;
}

const char* CommandName(DemoOp op) {
    return Of(op).name;
}

std::string LineMessage(long long number, const std::string& what, const std::string& detail) {
    return text::kScriptLine + std::to_string(number) + ": " + what + ": " + detail;
}

std::string ShownLine(const std::string& line) {
    constexpr size_t kShown = 80;
    std::string shown;
    for (size_t i = 0; i < line.size() && i < kShown; ++i) {
        const unsigned char c = static_cast<unsigned char>(line[i]);
        if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
        } else {
            constexpr char kHex[] = "0123456789abcdef";
            shown += std::string("\\x") + kHex[c >> 4] + kHex[c & 15];
        }
    }
    return line.size() > kShown ? shown + "..." : shown;
}

std::size_t Digits(const std::string& text, std::size_t at) {
    std::size_t n = 0;
    while (at + n < text.size() && text[at + n] >= '0' && text[at + n] <= '9') {
        ++n;
    }
    return n;
}

LineKind DemoText::ReadLine(DemoCommand& command, std::string& error) {
    const std::size_t newline = text_.find('\n', at_);
    const bool terminated = newline != std::string::npos;
    const std::size_t end = terminated ? newline : text_.size();
    const std::size_t begin = at_;
    at_ = terminated ? end + 1 : end;
    std::string line = text_.substr(begin, end - begin);
    if (++line_ == 1) {
        origin_ = ReadOrigin(line);
    }
    return ParseScriptLine(std::move(line), line_, terminated, command, error);
}

bool DemoText::Check(std::string text, std::string& error) {
    *this = DemoText();
    text_ = std::move(text);
    end_ = text_.size();
    DemoCommand command;
    while (at_ < text_.size()) {
        const std::size_t begin = at_;
        const LineKind kind = ReadLine(command, error);
        if (kind == LineKind::Bad) {
            *this = DemoText();
            return false;
        }
        if (kind == LineKind::CutShort) {
            cutShort_ = error;
            end_ = begin;
            error.clear();
        }
    }
    at_ = 0;
    line_ = 0;
    return true;
}

bool DemoText::Next(DemoCommand& command) {
    std::string unused;
    while (at_ < end_) {
        if (ReadLine(command, unused) == LineKind::Command) {
            return true;
        }
    }
    return false;
}

// A folder reads as an error too, even where opening one succeeds.
std::string ReadDemoFile(const std::string& path, std::string& content) {
    std::FILE* f = OpenFile(path, "rb");
    if (f == nullptr) {
        return Printed(text::kCannotReadDemo, path.c_str(), OpenError(errno));
    }
    char buffer[4096];
    for (size_t n; content.size() <= kMaxDemoBytes && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
        content.append(buffer, n);
    }
    const int readError = std::ferror(f) ? errno : 0;
    std::fclose(f);
    if (readError != 0) {
        return Printed(text::kCannotReadDemo, path.c_str(), OpenError(readError));
    }
    return content.size() > kMaxDemoBytes ? Printed(text::kDemoTooLarge, path.c_str(), kMaxDemoBytes >> 20) : "";
}

std::vector<std::string> OriginNotes(std::time_t now) {
    char date[32] = "";
    if (const std::tm* utc = std::gmtime(&now)) {
        std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", utc);
    }
    const std::string program = text::kOriginProgram + (kVersion + (text::kOriginStep + std::to_string(kGameStep)));
    return {program, Printed(text::kOriginBuild, kBuild), Printed(text::kOriginRecorded, date)};
}

// The header line OriginNotes writes, after the comment mark, read by the
// same two texts and by hand, so that every build reads a number the same way.
DemoOrigin ReadOrigin(const std::string& script) {
    std::string line = script.substr(0, script.find('\n'));
    if (line.compare(0, 3, kByteOrderMark) == 0) {
        line.erase(0, 3);
    }
    DemoOrigin origin;
    const std::string program = CommentLine(text::kOriginProgram), step = text::kOriginStep;
    const size_t comma = line.find(',', program.size());
    if (line.compare(0, program.size(), program) != 0 || comma == std::string::npos || comma == program.size() ||
        comma - program.size() > kMaxVersionBytes || line.compare(comma, step.size(), step) != 0) {
        return origin;
    }
    const size_t first = comma + step.size();
    const size_t end = first + Digits(line, first);
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
