// scratch_folder.h -- a throw-away current folder, with or without the game's bitmaps.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// While alive, the current folder is a new empty one; with `withBitmaps`, a
// Data/ inside holds small valid stand-ins for the three texture files, so that
// context set-up does not depend on the art in the source tree.
class ScratchFolder {
public:
    explicit ScratchFolder(bool withBitmaps) : previous_(std::filesystem::current_path()) {
        static int serial = 0;
        path_ = std::filesystem::temp_directory_path() /
                ("maze-scratch-" + std::to_string(Pid()) + "-" + std::to_string(++serial));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_ / "Data");
        if (withBitmaps) {
            for (const char* name : {"Crate.bmp", "Land.bmp", "Door.bmp"}) {
                WriteBitmap(path_ / "Data" / name);
            }
        }
        std::filesystem::current_path(path_);
    }

    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(path_, ignored);
    }

    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

private:
    static long Pid();

    // An 8 x 8 24-bit bitmap in the common 40-byte-header layout.
    static void WriteBitmap(const std::filesystem::path& file) {
        const std::uint32_t side = 8, rowBytes = side * 3, pixelBytes = rowBytes * side;
        std::vector<unsigned char> b;
        auto put = [&b](std::uint32_t value, int bytes) {
            for (int i = 0; i < bytes; ++i) {
                b.push_back(static_cast<unsigned char>(value >> (8 * i)));
            }
        };
        b.push_back('B');
        b.push_back('M');
        put(54 + pixelBytes, 4);
        put(0, 4);
        put(54, 4);
        put(40, 4);
        put(side, 4);
        put(side, 4);
        put(1, 2);
        put(24, 2);
        put(0, 4);
        put(pixelBytes, 4);
        put(2835, 4);
        put(2835, 4);
        put(0, 4);
        put(0, 4);
        for (std::uint32_t i = 0; i < pixelBytes; ++i) {
            b.push_back(static_cast<unsigned char>(i * 7));
        }
        std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
    }

    std::filesystem::path previous_;
    std::filesystem::path path_;
};

#ifdef _WIN32
#include <process.h>
inline long ScratchFolder::Pid() { return _getpid(); }
#else
#include <unistd.h>
inline long ScratchFolder::Pid() { return static_cast<long>(getpid()); }
#endif
