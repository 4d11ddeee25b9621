// demo_file.cpp -- reading a demo's file, and refusing one too large to be a game's.
#include "app/demo/demo_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/common/texts.h"
#include "app/demo/open_file.h"

namespace {

// A text of texts.h with the file's name, and why, filled in.
std::string Told(const char* format, const std::string& path, const char* why = "") {
    const int size = std::snprintf(nullptr, 0, format, path.c_str(), why);
    std::string told(size > 0 ? size : 0, '\0');
    std::snprintf(&told[0], told.size() + 1, format, path.c_str(), why);
    return told;
}

}  // namespace

// A folder reads as an error too, even where opening one succeeds.
std::string ReadDemoFile(const std::string& path, std::string& content) {
    std::FILE* f = OpenFile(path, "rb");
    if (f == nullptr) {
        return Told(text::kCannotReadDemo, path, std::strerror(errno));
    }
    char buffer[4096];
    for (size_t n; content.size() <= kMaxDemoBytes && (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) {
        content.append(buffer, n);
    }
    const int readError = std::ferror(f) ? errno : 0;
    std::fclose(f);
    if (readError != 0) {
        return Told(text::kCannotReadDemo, path, std::strerror(readError));
    }
    return content.size() > kMaxDemoBytes ? Told(text::kDemoTooLarge, path) : "";
}
