// wide_files.cpp -- the files of open_file.h on Windows: their UTF-8 names made wide for the wide calls.
#include <direct.h>
#include <io.h>
#include <sys/locking.h>
#include <sys/stat.h>
#include <wchar.h>

#include <cerrno>
#include <vector>

#include "app/common/open_file.h"
#include "app/win32/wide_args.h"
#include "app/win32/win32_api.h"

std::FILE* OpenFile(const std::string& utf8Path, const char* mode) {
    const std::wstring path = WideText(utf8Path.c_str());
    struct _stat64 status;
    if (_wstat64(path.c_str(), &status) == 0 && !RegularMode(status.st_mode)) {
        return nullptr;
    }
    std::FILE* f = _wfopen(path.c_str(), WideText(mode).c_str());
    if (f != nullptr && (_fstat64(_fileno(f), &status) != 0 || !RegularMode(status.st_mode))) {
        const int error = errno;
        std::fclose(f);
        errno = error;
        return nullptr;
    }
    return f;
}

bool RemoveFile(const std::string& utf8Path) {
    return _wremove(WideText(utf8Path.c_str()).c_str()) == 0;
}

// A byte locked is enough: every game locks the first.
bool LockOpenFile(std::FILE* f) {
    const int fd = _fileno(f);
    return _lseek(fd, 0, SEEK_SET) == 0 && _locking(fd, _LK_NBLCK, 1) == 0;
}

bool EmptyOpenFile(std::FILE* f) {
    return _chsize(_fileno(f), 0) == 0;
}

// An open file cannot be renamed. MoveFileEx replaces the old file in the
// one step: a removal first, and a rename that then failed (the new file held
// by a virus scanner, say), would lose the player's earlier recording.
bool CloseAndReplace(std::FILE* f, const std::string& from, const std::string& to) {
    if (std::fclose(f) != 0) {
        return false;
    }
    return MoveFileExW(WideText(from.c_str()).c_str(), WideText(to.c_str()).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

namespace {

// The full name as Windows reads it: case folded, and the dots and spaces it
// drops at the end of a name dropped.
std::wstring FoldedFullName(const std::string& utf8Path) {
    std::vector<wchar_t> full(4096);
    std::wstring name = _wfullpath(full.data(), WideText(utf8Path.c_str()).c_str(), full.size()) ? full.data() : L"";
    while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) {
        name.pop_back();
    }
    for (wchar_t& c : name) {
        c = towlower(c);
    }
    return name;
}

// The file's volume serial number and index ("volume:index"), which the C
// library cannot give on Windows: the same for every name of one file (a hard
// link, a short name). Asked of regular files only: opening a pipe's name to
// ask would connect to it.
bool Identity(const std::string& utf8Path, std::string& identity) {
    const std::wstring path = WideText(utf8Path.c_str());
    struct _stat64 status;
    if (_wstat64(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    // No access asked for, and every sharing allowed: a file another program
    // holds open is still told.
    const HANDLE file = CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (known) {
        identity = std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
                   std::to_string(info.nFileIndexLow);
    }
    return known;
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    std::string identityA, identityB;
    if (Identity(a, identityA) && Identity(b, identityB)) {
        return identityA == identityB;
    }
    const std::wstring fullA = FoldedFullName(a);
    return !fullA.empty() && fullA == FoldedFullName(b);
}

std::string CurrentFolder() {
    std::vector<wchar_t> folder(4096);
    return _wgetcwd(folder.data(), static_cast<int>(folder.size())) ? Utf8Text(folder.data()) : "";
}
