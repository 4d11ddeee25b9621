// wide_args.h -- the command line as Windows keeps it, in UTF-8.
#pragma once

#include <string>
#include <vector>

// The program's arguments, argv[0] first, from the wide command line: names
// outside the ANSI code page come through whole, as UTF-8.
std::vector<std::string> WideArguments();

// `utf8` as UTF-16, for the wide calls.
std::wstring WideText(const char* utf8);
