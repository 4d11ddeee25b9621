// recording_file.cpp -- the recording written to a file of its own, and renamed into place once whole.
#include "app/demo/recording_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "app/common/texts.h"
#include "app/demo/open_file.h"
#include "app/demo/printed.h"

namespace {

std::string target;         // the name the recording ends under
std::FILE* part = nullptr;  // "target.part", locked, until the end
bool partMade = false;      // made by this game, not left by another
bool written = false;       // emptied and written to at least once
bool exitHandlerSet = false;

// Whether the recording's file can be written, found without changing it: an
// existing file is opened for update and closed untouched, a new one is made
// and removed again. Empty, or what to tell the player.
std::string CheckWritable(const std::string& path) {
    std::FILE* f = OpenFile(path, "r+b");
    const bool isNew = f == nullptr && errno == ENOENT;
    if (isNew) {
        f = OpenFile(path, "wb");
    }
    if (f == nullptr) {
        return Printed(text::kCannotCreate, path.c_str(), OpenError(errno));
    }
    std::fclose(f);
    if (isNew) {
        RemoveFile(path);
    }
    return "";
}

}  // namespace

std::string RecordingPartName(const std::string& path) {
    return path + ".part";
}

std::string OpenRecordingFile(const std::string& path) {
    DropRecordingFile();
    written = false;
    std::string refused = CheckWritable(path);
    const std::string partName = RecordingPartName(path);
    if (refused.empty()) {
        // Opened to append, so that another game's recording is not emptied
        // before the lock says whose it is.
        std::FILE* probe = OpenFile(partName, "rb");
        partMade = probe == nullptr && errno == ENOENT;
        if (probe != nullptr) {
            std::fclose(probe);
        }
        part = OpenFile(partName, "ab");
        refused = part == nullptr ? Printed(text::kCannotCreate, partName.c_str(), OpenError(errno)) : "";
    }
    if (refused.empty() && !LockOpenFile(part)) {
        std::fclose(part);
        part = nullptr;
        refused = Printed(text::kRecordedElsewhere, path.c_str());
    }
    if (!refused.empty()) {
        partMade = false;
        return refused;
    }
    target = path;
    if (!exitHandlerSet) {
        exitHandlerSet = true;
        std::atexit(DropRecordingFile);
    }
    return "";
}

void WriteRecordingFile(const std::string& lines) {
    if (part == nullptr) {
        return;
    }
    if (!written) {
        written = true;
        EmptyOpenFile(part);
    }
    std::fwrite(lines.data(), 1, lines.size(), part);
    std::fflush(part);
}

bool FinishRecordingFile() {
    std::FILE* f = part;
    part = nullptr;
    partMade = false;
    if (f == nullptr) {
        return false;
    }
    if (!written || std::fflush(f) != 0 || std::ferror(f)) {
        std::fclose(f);
        return false;
    }
    return CloseAndReplace(f, RecordingPartName(target), target);
}

void DropRecordingFile() {
    if (part == nullptr) {
        return;
    }
    std::fclose(part);
    part = nullptr;
    if (partMade && !written) {
        RemoveFile(RecordingPartName(target));
    }
    partMade = false;
    written = false;
}
