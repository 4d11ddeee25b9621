// open_file.cpp -- UTF-8 names to the C library; Windows has its wide calls in app/win32/wide_files.cpp.
#include "app/common/open_file.h"

#include <cstring>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

#include <vector>

#include "app/common/texts.h"

const char* OpenError(int error) {
    return error == kNotAFile ? text::kNotAFile : std::strerror(error);
}

bool CanWrite(const std::string& utf8Path) {
    std::FILE* f = OpenFile(utf8Path, "r+b");
    const bool isNew = f == nullptr && errno == ENOENT;
    if (isNew) {
        f = OpenFile(utf8Path, "wb");
    }
    if (f == nullptr) {
        return false;
    }
    std::fclose(f);
    if (isNew) {
        RemoveFile(utf8Path);
    }
    return true;
}

#ifndef _WIN32

namespace {

// The open flags of an fopen mode: "rb", "r+b", "wb" or "ab".
int OpenFlags(const char* mode) {
    const bool update = std::strchr(mode, '+') != nullptr;
    switch (mode[0]) {
        case 'w':
            return (update ? O_RDWR : O_WRONLY) | O_CREAT | O_TRUNC;
        case 'a':
            return (update ? O_RDWR : O_WRONLY) | O_CREAT | O_APPEND;
        default:
            return update ? O_RDWR : O_RDONLY;
    }
}

}  // namespace

// Non-blocking, so that a pipe that took the name after the stat is not
// waited on either: the opened file is asked again.
std::FILE* OpenFile(const std::string& utf8Path, const char* mode) {
    struct stat status;
    if (stat(utf8Path.c_str(), &status) == 0 && !RegularMode(status.st_mode)) {
        return nullptr;
    }
    const int fd = open(utf8Path.c_str(), OpenFlags(mode) | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* f = fstat(fd, &status) == 0 && RegularMode(status.st_mode) ? fdopen(fd, mode) : nullptr;
    if (f == nullptr) {
        const int error = errno;
        close(fd);
        errno = error;
    }
    return f;
}

bool RemoveFile(const std::string& utf8Path) {
    return std::remove(utf8Path.c_str()) == 0;
}

// A record lock, not flock: Wine locks files with these, so a game under
// Wine and a native one see each other's.
bool LockOpenFile(std::FILE* f) {
    struct flock lock = {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    return fcntl(fileno(f), F_SETLK, &lock) == 0;
}

bool EmptyOpenFile(std::FILE* f) {
    return ftruncate(fileno(f), 0) == 0;
}

bool CloseAndReplace(std::FILE* f, const std::string& from, const std::string& to) {
    const bool renamed = std::rename(from.c_str(), to.c_str()) == 0;
    return std::fclose(f) == 0 && renamed;
}

namespace {

// The folder a name is in, and the name within it.
std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    return path.substr(path.rfind('/') + 1);
}

bool SameNode(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    struct stat statusA, statusB;
    const bool hasA = stat(a.c_str(), &statusA) == 0, hasB = stat(b.c_str(), &statusB) == 0;
    if (hasA || hasB) {
        return hasA && hasB && SameNode(statusA, statusB);
    }
    return NameOf(a) == NameOf(b) && stat(FolderOf(a).c_str(), &statusA) == 0 &&
           stat(FolderOf(b).c_str(), &statusB) == 0 && SameNode(statusA, statusB);
}

std::string CurrentFolder() {
    std::vector<char> folder(4096);
    return getcwd(folder.data(), folder.size()) ? folder.data() : "";
}

#endif  // !_WIN32
