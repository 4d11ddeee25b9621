// texts.h -- every word the game says to the player, said once for all shells.
#pragma once

namespace text {

constexpr const char* kWindowTitle = "Tamblin 1.OpenGL_game";

// Box captions.
constexpr const char* kError = "ERROR";
constexpr const char* kShutdownError = "SHUTDOWN ERROR";
constexpr const char* kVexaGl = "Vexa GL";

// Asked when the display has no mode of the window's size; Yes plays on in a window.
constexpr const char* kUseWindowedMode =
    "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?";
constexpr const char* kWillClose = "Program Will Now Close.";

// What failed while making the window and its context, in the order tried.
constexpr const char* kRegisterClassFailed = "Failed To Register The Window Class.";
constexpr const char* kWindowCreationError = "Window Creation Error.";
constexpr const char* kNoDeviceContext = "Can't Create A GL Device Context.";
constexpr const char* kNoPixelFormat = "Can't Find A Suitable PixelFormat.";
constexpr const char* kCantSetPixelFormat = "Can't Set The PixelFormat.";
constexpr const char* kNoRenderingContext = "Can't Create A GL Rendering Context.";
constexpr const char* kCantActivateContext = "Can't Activate The GL Rendering Context.";
constexpr const char* kInitializationFailed = "Initialization Failed.";

// What failed while tearing them down; each is told and the rest still released.
constexpr const char* kReleaseDcAndRcFailed = "Release Of DC And RC Failed.";
constexpr const char* kReleaseContextFailed = "Release Rendering Context Failed.";
constexpr const char* kReleaseDcFailed = "Release Device Context Failed.";
constexpr const char* kReleaseWindowFailed = "Could Not Release hWnd.";
constexpr const char* kUnregisterClassFailed = "Could Not Unregister Class.";

// The command line, and the files of recordings and demos.
constexpr const char* kRecordOption = "--record";
constexpr const char* kPlayDemoOption = "--playdemo";
constexpr const char* kTimeDemoOption = "--timedemo";
constexpr const char* kPaceOption = "--pace";
constexpr const char* kUnknownOption = "Unknown option: ";
constexpr const char* kFpsOption = "--fps";
constexpr const char* kMouseRateOption = "--mouse-rate";
constexpr const char* kOptions =
    "The options are --record FILE, --playdemo FILE or --timedemo FILE, --pace N, --fps N and --mouse-rate N.";
constexpr const char* kOptionNeedsFile = " needs a file name.";
constexpr const char* kOneOption = "One option at a time: --record FILE, --playdemo FILE or --timedemo FILE.";
constexpr const char* kBadPace = "--pace needs a whole number of steps a second from 0 to 100000 (0: one a frame).";
constexpr const char* kPaceTwice = "--pace may be given once.";
constexpr const char* kBadFps = "--fps needs a whole number of frames a second from 0 to 1000 (0: no limit).";
constexpr const char* kFpsTwice = "--fps may be given once.";
constexpr const char* kBadMouseRate =
    "--mouse-rate needs a whole number of mouse messages a second from 0 to 100000 (0: every report).";
constexpr const char* kMouseRateTwice = "--mouse-rate may be given once.";
constexpr const char* kCannotReadDemo = "Cannot read the demo \"%s\": %s";        // the file, why
constexpr const char* kDemoTooLarge = "The demo \"%s\" is larger than %zu MiB.";  // the file, the limit
constexpr const char* kCannotCreate = "Cannot write \"%s\": %s";                  // the file, why
constexpr const char* kCannotWriteIn = "Cannot write \"%s\" in %s: %s.";          // the file, the folder, why
constexpr const char* kNotAFile = "Not a regular file (a pipe, a device or a socket)";
constexpr const char* kGamesOwnFile = "\"%s\" is \"%s\", which the game writes itself: choose another file.";
constexpr const char* kRecordedElsewhere = "\"%s\" is being recorded by another game: choose another file.";
// The recording, then where what was written of it is.
constexpr const char* kCannotFinish = "Cannot write \"%s\" to the end; what was written is in \"%s\".";

// What is wrong with a line of a script, as "line N: unknown command: LINE",
// "line N: malformed: LINE" or "line N: expect: ...".
constexpr const char* kScriptLine = "line ";
constexpr const char* kUnknownCommand = "unknown command";
constexpr const char* kMalformed = "malformed";
constexpr const char* kLineTooLong = "longer than %zu bytes";  // the limit
constexpr const char* kNulByte = "a NUL byte";
constexpr const char* kLoneCarriageReturn = "a carriage return within the line";
// A recording's last line cut off as it was written: "line N: cut short;
// the script ends at line N-1", on standard error, and the rest plays.
constexpr const char* kCutShort = ": cut short; the script ends at line ";

// An `expect` that does not hold: "NAME is X, expected Y", then both lines
// in full, a field missing on one side shown as (none).
constexpr const char* kFieldIs = " is ";
constexpr const char* kFieldExpected = ", expected ";
constexpr const char* kExpectedLine = "\n  expected: ";
constexpr const char* kActualLine = "\n  actual:   ";
constexpr const char* kNoField = "(none)";

// What a demo leaves in the working folder when it ends: the state line it
// ended in, and a timed demo's line appended to those of the runs before.
constexpr const char* kDemoResultFile = "demo-result.txt";
constexpr const char* kTimedemoFile = "timedemo.txt";
constexpr const char* kTimedemoLine = "timedemo %s: %ld frames in %.3f s, %.1f fps";  // file, frames, seconds, fps
constexpr const char* kDemoStoppedEarly = "%s: stopped after %ld frames, before its end\n";  // file, steps run

// The comments a recording opens with: the program, its version and its game
// step; the build (windows, linux, web); the time it was started, in UTC.
// The first is written and read through these two, around the version:
// "maze VERSION, game step N".
constexpr const char* kOriginProgram = "maze ";
constexpr const char* kOriginStep = ", game step ";
constexpr const char* kOriginBuild = "build %s";
constexpr const char* kOriginRecorded = "recorded %s UTC";  // YYYY-MM-DD HH:MM:SS
// After an `expect` that did not hold, in a demo recorded with another game step.
constexpr const char* kOriginHint =
    "  hint: recorded by maze %s (game step %d); this is maze %s (game step %d), whose step differs\n";

// The comment that closes a recording: steps, seconds, pace, steps drawn.
constexpr const char* kRecordingSummary = "%ld steps in %.3f s at --pace %d, %ld of them drawn, %lld dropped";
constexpr const char* kStepsDropped = " steps dropped";

}  // namespace text
