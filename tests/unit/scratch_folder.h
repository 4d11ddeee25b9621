// scratch_folder.h -- test bitmaps, files read whole, and a throw-away current folder to put them in.
#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace testbmp {

using Bytes = std::vector<unsigned char>;

using Pixel = std::array<unsigned char, 3>;  // r, g, b

// Colours of the test pictures; y counts from the bottom row.
inline Pixel TrueColour(int x, int y) {
    return {static_cast<unsigned char>(10 + x * 20 + y), static_cast<unsigned char>(100 + y * 30),
            static_cast<unsigned char>(200 - x * 7 - y)};
}

inline Pixel PaletteColour(int i) {
    return {static_cast<unsigned char>(i * 37 + 5), static_cast<unsigned char>(250 - i * 11),
            static_cast<unsigned char>(i * 3 + 60)};
}

inline int PaletteIndex(int x, int y, int bitCount) {
    return (x * 3 + y * 5) % (1 << bitCount);
}

// A Windows bitmap with a 40-byte header, its row padding filled with junk.
inline Bytes Bitmap(int width, int height, int bitCount = 24, bool topDown = false, int colours = -1) {
    if (colours < 0) {
        colours = bitCount <= 8 ? 1 << bitCount : 0;
    }
    const std::uint32_t rowBytes = (width * bitCount + 31) / 32 * 4, offset = 54 + 4 * colours;
    const std::uint32_t fields[][2] = {{offset + rowBytes * height, 4},
                                       {0, 4},
                                       {offset, 4},
                                       {40, 4},
                                       {std::uint32_t(width), 4},
                                       {std::uint32_t(topDown ? -height : height), 4},
                                       {1, 2},
                                       {std::uint32_t(bitCount), 2},
                                       {0, 4},
                                       {rowBytes * height, 4},
                                       {2835, 4},
                                       {2835, 4},
                                       {std::uint32_t(colours), 4},
                                       {0, 4}};
    Bytes b = {'B', 'M'};
    for (const auto& f : fields) {
        for (std::uint32_t i = 0; i < f[1]; ++i) {
            b.push_back(static_cast<unsigned char>(f[0] >> (8 * i)));
        }
    }
    for (int i = 0; i < colours; ++i) {
        const Pixel p = PaletteColour(i);
        b.insert(b.end(), {p[2], p[1], p[0], 0});
    }
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? height - 1 - row : row;
        Bytes data(rowBytes, 0xEE);
        for (int x = 0; x < width; ++x) {
            if (bitCount <= 8) {
                const int perByte = 8 / bitCount, shift = 8 - bitCount * (1 + x % perByte);
                unsigned char& byte = data[x / perByte];
                byte = static_cast<unsigned char>((byte & ~(((1 << bitCount) - 1) << shift)) |
                                                  PaletteIndex(x, y, bitCount) << shift);
            } else {
                const Pixel p = TrueColour(x, y);
                std::copy(p.rbegin(), p.rend(), &data[x * bitCount / 8]);
            }
        }
        b.insert(b.end(), data.begin(), data.end());
    }
    return b;
}

inline void WriteFile(const std::filesystem::path& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), b.size());
}

}  // namespace testbmp

// A file's text as a text-mode read gives it (no '\r' on Windows), or
// nothing where it cannot be read.
inline std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// While alive, the current folder is a new one with an empty Data/ inside; with
// `withBitmaps`, Data/ holds small valid stand-ins for the three texture files,
// so that context set-up does not depend on the art in the source tree.
class ScratchFolder {
public:
    explicit ScratchFolder(bool withBitmaps) : previous_(std::filesystem::current_path()) {
        // Tests run in parallel processes: each takes the first name no other has made.
        static auto serial = std::chrono::steady_clock::now().time_since_epoch().count();
        do {
            path_ = std::filesystem::temp_directory_path() / ("maze-scratch-" + std::to_string(++serial));
        } while (!std::filesystem::create_directory(path_));
        std::filesystem::create_directory(path_ / "Data");
        if (withBitmaps) {
            for (const char* name : {"Crate.bmp", "Land.bmp", "Door.bmp"}) {
                testbmp::WriteFile(path_ / "Data" / name, testbmp::Bitmap(8, 8));
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
    std::filesystem::path previous_;
    std::filesystem::path path_;
};
