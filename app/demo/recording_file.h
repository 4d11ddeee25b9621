// recording_file.h -- a recording's file: written beside its name, kept from a second game, put in place at the end.
#pragma once

#include <string>

// Called by the demo session before the window opens. Checks that `path` can
// be written, leaving it as it is, and takes "PATH.part" beside it, where the
// recording is written as the game goes, locked for as long as the game
// runs: a second game recording to `path` meanwhile is refused here. Empty,
// or what to tell the player.
std::string OpenRecordingFile(const std::string& path);

// Writes `lines` to the end of the recording and flushes them. The first
// call empties "PATH.part" (what a game killed earlier left there), so a
// game that never gets to write leaves every file as it was.
void WriteRecordingFile(const std::string& lines);

// Called at the end, the last lines written: puts the recording in the place
// of `path`, replacing what was there. False, with the recording left in
// "PATH.part" and `path` as it was, where it could not be written whole.
bool FinishRecordingFile();

// "PATH.part", the name the recording is written under until it ends.
std::string RecordingPartName(const std::string& path);

// Lets the file go unfinished, and removes "PATH.part" if this game made it
// and wrote nothing to it. Called by the session's reset, and at exit.
void DropRecordingFile();
