// open_file.cpp -- UTF-8 names to the C library, wide ones on Windows.
#include "app/demo/open_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <sys/locking.h>
#include <wchar.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include <vector>

#include "app/common/texts.h"

namespace {

// False, with errno set as OpenFile sets it, for a stat's mode that is not a regular file's.
bool Regular(unsigned mode) {
    if (S_ISREG(mode)) {
        return true;
    }
    errno = S_ISDIR(mode) ? EISDIR : kNotAFile;
    return false;
}

}  // namespace

const char* OpenError(int error) {
    return error == kNotAFile ? text::kNotAFile : std::strerror(error);
}

#ifdef _WIN32

namespace {

// The length of the UTF-8 sequence `lead` starts, 0 for a byte that starts none.
int SequenceLength(unsigned char lead) {
    return lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
}

// UTF-8 to UTF-16 by hand: the demo code stays clear of windows.h. A byte
// that starts no whole sequence becomes U+FFFD, as the system would show it.
std::wstring Wide(const std::string& utf8) {
    std::wstring wide;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const int length = SequenceLength(lead);
        unsigned long code = lead & (length == 1 ? 0x7F : 0xFF >> (length + 1));
        bool whole = length > 0 && i + length <= utf8.size();
        for (int k = 1; whole && k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            whole = (next & 0xC0) == 0x80;
            code = (code << 6) | (next & 0x3F);
        }
        if (!whole) {
            wide += L'\xFFFD';
            ++i;
        } else if (code >= 0x10000) {
            code -= 0x10000;
            wide += static_cast<wchar_t>(0xD800 + (code >> 10));
            wide += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
            i += length;
        } else {
            wide += static_cast<wchar_t>(code);
            i += length;
        }
    }
    return wide;
}

std::string Utf8(const wchar_t* wide) {
    std::string utf8;
    for (; *wide != 0; ++wide) {
        unsigned long code = static_cast<unsigned short>(*wide);
        if (code >= 0xD800 && code < 0xDC00 && wide[1] >= 0xDC00 && wide[1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (static_cast<unsigned short>(*++wide) - 0xDC00);
        }
        if (code < 0x80) {
            utf8 += static_cast<char>(code);
        } else if (code < 0x800) {
            utf8 += static_cast<char>(0xC0 | (code >> 6));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (code >> 12));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (code >> 18));
            utf8 += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return utf8;
}

}  // namespace

std::FILE* OpenFile(const std::string& utf8Path, const char* mode) {
    const std::wstring path = Wide(utf8Path);
    struct _stat64 status;
    if (_wstat64(path.c_str(), &status) == 0 && !Regular(status.st_mode)) {
        return nullptr;
    }
    std::FILE* f = _wfopen(path.c_str(), Wide(mode).c_str());
    if (f != nullptr && (_fstat64(_fileno(f), &status) != 0 || !Regular(status.st_mode))) {
        const int error = errno;
        std::fclose(f);
        errno = error;
        return nullptr;
    }
    return f;
}

bool RemoveFile(const std::string& utf8Path) {
    return _wremove(Wide(utf8Path).c_str()) == 0;
}

// A byte locked is enough: every game locks the first.
bool LockOpenFile(std::FILE* f) {
    const int fd = _fileno(f);
    return _lseek(fd, 0, SEEK_SET) == 0 && _locking(fd, _LK_NBLCK, 1) == 0;
}

bool EmptyOpenFile(std::FILE* f) {
    return _chsize(_fileno(f), 0) == 0;
}

// An open file cannot be renamed, nor a file renamed over another.
bool CloseAndReplace(std::FILE* f, const std::string& from, const std::string& to) {
    if (std::fclose(f) != 0) {
        return false;
    }
    const std::wstring wideTo = Wide(to);
    return (_wremove(wideTo.c_str()) == 0 || errno == ENOENT) && _wrename(Wide(from).c_str(), wideTo.c_str()) == 0;
}

namespace {

// The full name as Windows reads it: case folded, and the dots and spaces it
// drops at the end of a name dropped.
std::wstring FoldedFullName(const std::string& utf8Path) {
    std::vector<wchar_t> full(4096);
    std::wstring name = _wfullpath(full.data(), Wide(utf8Path).c_str(), full.size()) ? full.data() : L"";
    while (!name.empty() && (name.back() == L'.' || name.back() == L' ')) {
        name.pop_back();
    }
    for (wchar_t& c : name) {
        c = towlower(c);
    }
    return name;
}

FileIdentity fileIdentity = nullptr;

// Asked of regular files only: opening a pipe's name to ask would connect to it.
bool Identity(const std::string& utf8Path, std::string& identity) {
    struct _stat64 status;
    return fileIdentity != nullptr && _wstat64(Wide(utf8Path).c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
           fileIdentity(utf8Path, identity);
}

}  // namespace

void UseFileIdentity(FileIdentity identity) {
    fileIdentity = identity;
}

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
    return _wgetcwd(folder.data(), static_cast<int>(folder.size())) ? Utf8(folder.data()) : "";
}

#else

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
    if (stat(utf8Path.c_str(), &status) == 0 && !Regular(status.st_mode)) {
        return nullptr;
    }
    const int fd = open(utf8Path.c_str(), OpenFlags(mode) | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* f = fstat(fd, &status) == 0 && Regular(status.st_mode) ? fdopen(fd, mode) : nullptr;
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

#endif
