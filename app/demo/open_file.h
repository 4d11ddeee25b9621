// open_file.h -- the demo files by their UTF-8 names, whatever the system's code page.
#pragma once

#include <cstdio>
#include <string>

// Every file of a demo or a recording is opened here: `utf8Path` as the
// command line gave it, `mode` as for fopen. On Windows the name goes to the
// wide call, so that a name outside the ANSI code page is the file meant, not
// question marks. Null with errno set where it cannot be opened.
std::FILE* OpenFile(const std::string& utf8Path, const char* mode);

// The working folder in UTF-8, for messages about the files written there;
// empty where it cannot be told.
std::string CurrentFolder();

// Removes the file `utf8Path`; false with errno set where it cannot.
bool RemoveFile(const std::string& utf8Path);
