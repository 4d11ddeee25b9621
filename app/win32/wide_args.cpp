// wide_args.cpp -- the wide command line split and made UTF-8, and UTF-8 made wide for the boxes and the files.
#include "app/win32/wide_args.h"

#include "app/win32/win32_api.h"
// After windows.h, which it needs.
#include <shellapi.h>

std::string Utf8Text(const wchar_t* wide) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    std::string utf8(size > 0 ? size : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &utf8[0], size, nullptr, nullptr);
    utf8.resize(size > 0 ? size - 1 : 0);
    return utf8;
}

std::vector<std::string> WideArguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 0; wide != nullptr && i < count; ++i) {
        arguments.push_back(Utf8Text(wide[i]));
    }
    LocalFree(wide);
    return arguments;
}

std::wstring WideText(const char* utf8) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, nullptr, 0);
    std::wstring wide(size > 0 ? size : 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8, -1, &wide[0], size);
    wide.resize(size > 0 ? size - 1 : 0);
    return wide;
}
