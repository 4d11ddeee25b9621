// file_identity.h -- a file's volume and index, by which two names are told to be one file.
#pragma once

#include <string>

// The identity of the file `utf8Path` names ("volume:index"), for the demo
// session's SameFile, which the C library cannot give on Windows: the same
// for every name of one file (a hard link, a short name). False where the
// file cannot be asked.
bool Win32FileIdentity(const std::string& utf8Path, std::string& identity);
