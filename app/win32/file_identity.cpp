// file_identity.cpp -- the volume serial number and file index of a file, by its UTF-8 name.
#include "app/win32/file_identity.h"

#include "app/win32/wide_args.h"
#include "app/win32/win32_api.h"

bool Win32FileIdentity(const std::string& utf8Path, std::string& identity) {
    // No access asked for, and every sharing allowed: a file another program
    // holds open, or a folder, is still told.
    const HANDLE file =
        CreateFileW(WideText(utf8Path.c_str()).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info;
    const bool known = GetFileInformationByHandle(file, &info) != 0;
    CloseHandle(file);
    if (known) {
        identity = std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
                   std::to_string(info.nFileIndexLow);
    }
    return known;
}
