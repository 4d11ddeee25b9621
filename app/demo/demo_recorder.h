// demo_recorder.h -- a game as it is played, written down as a maze-sim script into a file of its own.
#pragma once

#include <functional>
#include <string>

#include "app/common/main_loop.h"
#include "app/demo/demo_script.h"

// Writes, in the order they happen, the messages that reach the game, what
// each step read of the physical keys and the steps themselves, so that
// maze-sim fed the result gives the game step the very same inputs. The lines
// wait in the recorder and go to `write` together, to be written and flushed,
// once a second by `now` (the loop's nanoseconds) and at the end, so that a
// game that dies loses at most its last second. A run of steps with nothing
// between them is one `frames N` line (N steps), split only there.
class DemoRecorder {
public:
    explicit DemoRecorder(std::function<void(const std::string&)> write, std::function<long long()> now = LoopNow);

    // A key message written to the table (codes 0..255), and a mouse message
    // with the client coordinates MouseLook was given.
    void Key(unsigned code, bool down);
    void Mouse(unsigned x, unsigned y);

    // Called as a step reads the physical state of key `vk`: a line only
    // when it is not what the script's last steps read.
    void Async(int vk, bool down);

    // Called just before a step with the key table it will read: entries
    // that no message changed (F1's, cleared by the loop) become key lines.
    void BeforeFrame(const unsigned char* keys);

    // Called after each step, drawn or not: one more step of the script.
    void Frame();

    // Called on every turn of the loop, drawn or not: hands out what is
    // waiting once a second has passed since it last did.
    void Tick();

    // A comment line, for the reader of the file; the simulator skips it.
    void Note(const std::string& text);

    // The last line: `expect` and the state the game ended in; hands out
    // everything still waiting.
    void Finish(const std::string& stateLine);

private:
    void Line(const std::string& line);
    void WriteFrames();
    void HandOut();

    std::function<void(const std::string&)> write_;
    std::function<long long()> now_;
    long long lastHandOut_;
    std::string waiting_;                  // lines not yet handed to write_
    long frames_ = 0;                      // steps run, not yet written
    unsigned char table_[kKeyCodes] = {};  // the key table as the script leaves it
    bool async_[kKeyCodes] = {};           // physical keys as the script leaves them
};

// Called by the demo session before the window opens. Checks that `path` can
// be written, leaving it as it is, and takes "PATH.part" beside it, where the
// recording is written as the game goes, locked for as long as the game
// runs: a second game recording to `path` meanwhile is refused here. From
// then on every message and physical key the game is given, and every step,
// is recorded, after the lines of OriginNotes. The first lines written empty
// "PATH.part" (what a game killed earlier left there), so a game that never
// gets to write leaves every file as it was. Empty, or what to tell the player.
std::string StartRecording(const std::string& path);

// True from StartRecording to DropRecording.
bool Recording();

// Called at the end with the state the game ended in: the summary and the
// `expect` line written, the recording put in the place of `path`, replacing
// what was there. Empty, or what to tell the player where it could not be
// written whole: the recording is then left in "PATH.part", `path` as it was.
std::string FinishRecording(const std::string& stateLine);

// Lets the recording go unfinished, and removes "PATH.part" if this game
// made it and wrote nothing to it. Called by the session's reset.
void DropRecording();
