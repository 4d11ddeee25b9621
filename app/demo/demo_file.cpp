// demo_file.cpp -- reading a demo's file, and refusing one too large to be a game's.
#include "app/demo/demo_file.h"

#include <cerrno>
#include <cstdio>

#include "app/common/texts.h"
#include "app/demo/open_file.h"
#include "app/demo/printed.h"

// A folder reads as an error too, even where opening one succeeds.
std::string ReadDemoFile(const std::string& path, std::string& content) {
    std::FILE* f = OpenFile(path, "rb");
    if (f == nullptr) {
        return Printed(text::kCannotReadDemo, path.c_str(), OpenError(errno));
    }
    char buffer[4096];
    for (size_t n; content.size() <= kMaxDemoBytes && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
        content.append(buffer, n);
    }
    const int readError = std::ferror(f) ? errno : 0;
    std::fclose(f);
    if (readError != 0) {
        return Printed(text::kCannotReadDemo, path.c_str(), OpenError(readError));
    }
    return content.size() > kMaxDemoBytes ? Printed(text::kDemoTooLarge, path.c_str(), kMaxDemoBytes >> 20) : "";
}
