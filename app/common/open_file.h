// open_file.h -- demo and recording files by their UTF-8 names, whatever the code page; on Windows from app/win32.
#pragma once

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <string>

// Every file of a demo or a recording is opened here: `utf8Path` as the
// command line gave it, `mode` as for fopen. On Windows the name goes to the
// wide call (app/win32/wide_files.cpp), so that a name outside the ANSI code
// page is the file meant, not question marks. Only a regular file is opened: a pipe, a device or a socket
// would hang the game before its window or feed it nothing, so it is told
// apart before it is opened (and never waited on as it is) and again once
// open. Null with errno set where it cannot be opened: EISDIR for a folder,
// kNotAFile for the others.
std::FILE* OpenFile(const std::string& utf8Path, const char* mode);

// The errno of a name that is neither a regular file nor a folder.
constexpr int kNotAFile = 0x7FFF;

// False, with errno set as OpenFile sets it, for a stat's mode that is not a regular file's.
inline bool RegularMode(unsigned mode) {
    if (S_ISREG(mode)) {
        return true;
    }
    errno = S_ISDIR(mode) ? EISDIR : kNotAFile;
    return false;
}

// Whether `utf8Path` can be written, found without changing it: an existing
// file is opened for update and closed untouched, a new one is made and
// removed again. False with errno set as OpenFile sets it.
bool CanWrite(const std::string& utf8Path);

// What an errno from OpenFile says, for the player's box.
const char* OpenError(int error);

// Whether the names `a` and `b` are one file: the same file where both are
// there (its device and inode; on Windows, its volume and file index), the
// same name in the same folder where
// neither is yet (on Windows, the same full name as the system folds it).
// Two names of which only one is there are two.
bool SameFile(const std::string& a, const std::string& b);

// Locks the whole of the open file `f` against any other program's lock,
// without waiting: false where another holds one. Held until `f` is closed,
// or its program ends however it ends. Games on Windows and on Linux (and
// under Wine) see each other's locks.
bool LockOpenFile(std::FILE* f);

// Cuts the open file `f` to nothing; false where it cannot.
bool EmptyOpenFile(std::FILE* f);

// Closes `f`, the file named `from`, and renames it to `to`, replacing any
// file of that name; in the order the system allows, so that a lock on `f`
// is held through the rename where the system lets an open file be renamed.
// False where any of it fails.
bool CloseAndReplace(std::FILE* f, const std::string& from, const std::string& to);

// The working folder in UTF-8, for messages about the files written there;
// empty where it cannot be told.
std::string CurrentFolder();

// Removes the file `utf8Path`; false with errno set where it cannot.
bool RemoveFile(const std::string& utf8Path);
