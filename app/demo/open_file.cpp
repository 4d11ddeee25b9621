// open_file.cpp -- UTF-8 names to the C library, wide ones on Windows.
#include "app/demo/open_file.h"

#ifdef _WIN32
#include <direct.h>
#include <wchar.h>
#else
#include <unistd.h>
#endif

#include <vector>

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
    return _wfopen(Wide(utf8Path).c_str(), Wide(mode).c_str());
}

bool RemoveFile(const std::string& utf8Path) {
    return _wremove(Wide(utf8Path).c_str()) == 0;
}

std::string CurrentFolder() {
    std::vector<wchar_t> folder(4096);
    return _wgetcwd(folder.data(), static_cast<int>(folder.size())) ? Utf8(folder.data()) : "";
}

#else

std::FILE* OpenFile(const std::string& utf8Path, const char* mode) {
    return std::fopen(utf8Path.c_str(), mode);
}

bool RemoveFile(const std::string& utf8Path) {
    return std::remove(utf8Path.c_str()) == 0;
}

std::string CurrentFolder() {
    std::vector<char> folder(4096);
    return getcwd(folder.data(), folder.size()) ? folder.data() : "";
}

#endif
