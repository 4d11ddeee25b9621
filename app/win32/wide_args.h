// wide_args.h -- the command line as Windows keeps it, in UTF-8, and the one conversion each way.
#pragma once

#include <string>
#include <vector>

// The program's arguments, argv[0] first, from the wide command line: names
// outside the ANSI code page come through whole, as UTF-8.
std::vector<std::string> WideArguments();

// `utf8` as UTF-16, for the wide calls: a byte that starts no whole sequence
// becomes U+FFFD, as the system shows it.
std::wstring WideText(const char* utf8);

// `wide`, up to its NUL, as UTF-8.
std::string Utf8Text(const wchar_t* wide);
