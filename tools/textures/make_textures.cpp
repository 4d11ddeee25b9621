// make_textures.cpp -- paints the game's three bitmaps: brick walls, a tiled floor, a plank door.
//
// Regenerate the committed files from the project root with
//   cmake --build build/linux --target make-textures && build/linux/make-textures Data
// Every random choice comes from a fixed seed, so the output only changes when
// this program does.
//
// Each picture is painted as a colour map and a height map; the height map is
// lit from the upper left, which gives the bricks, tiles and planks their
// bevels. The pictures tile seamlessly, as neighbouring faces show them edge
// to edge.
//
// The game paints whole surfaces with the single texel colour at a corner of
// Crate.bmp (wall tops, staircases) and of Land.bmp (crates): with linear
// filtering and repeat wrapping that is the mean of the four corner texels.
// Both pictures keep those corners near white so the colours the game gives
// such surfaces show as they are.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 256;

struct Rgb {
    float r, g, b;
};

Rgb operator*(Rgb c, float k) {
    return {c.r * k, c.g * k, c.b * k};
}

Rgb Mix(Rgb a, Rgb b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

float Clamp01(float v) {
    return std::min(1.0f, std::max(0.0f, v));
}

float SmoothStep(float edge0, float edge1, float v) {
    const float t = Clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

int Wrap(int v, int period) {
    return ((v % period) + period) % period;
}

// --- deterministic randomness -------------------------------------------------

std::uint32_t Hash(std::uint32_t x, std::uint32_t y, std::uint32_t seed) {
    std::uint32_t h = x * 0x8da6b343u ^ y * 0xd8163841u ^ seed * 0xcb1ab31fu;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float Random01(int x, int y, std::uint32_t seed) {
    return float(Hash(std::uint32_t(x), std::uint32_t(y), seed) >> 8) / float(1u << 24);
}

// Value noise on a lattice of `cellsX` by `cellsY` cells across the picture;
// it wraps at the picture's edges. u and v are in picture widths.
float ValueNoise(float u, float v, int cellsX, int cellsY, std::uint32_t seed) {
    const float x = u * cellsX;
    const float y = v * cellsY;
    const int x0 = int(std::floor(x));
    const int y0 = int(std::floor(y));
    const float fx = SmoothStep(0, 1, x - x0);
    const float fy = SmoothStep(0, 1, y - y0);
    auto at = [&](int ix, int iy) {
        return Random01(Wrap(ix, cellsX), Wrap(iy, cellsY), seed);
    };
    const float top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * fx;
    const float bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * fx;
    return top + (bottom - top) * fy;
}

// Several octaves of value noise, 0 to 1.
float Fbm(float u, float v, int cellsX, int cellsY, int octaves, std::uint32_t seed) {
    float sum = 0;
    float amplitude = 1;
    float total = 0;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * ValueNoise(u, v, cellsX << i, cellsY << i, seed + 7919u * i);
        total += amplitude;
        amplitude *= 0.5f;
    }
    return sum / total;
}

// --- pictures ----------------------------------------------------------------

// Colour and height of every texel; row 0 is the top of the picture.
struct Canvas {
    std::vector<Rgb> colour = std::vector<Rgb>(kSize * kSize);
    std::vector<float> height = std::vector<float>(kSize * kSize);

    Rgb& C(int x, int y) { return colour[Wrap(y, kSize) * kSize + Wrap(x, kSize)]; }
    float& H(int x, int y) { return height[Wrap(y, kSize) * kSize + Wrap(x, kSize)]; }
};

// Lights the height map from the upper left; a flat texel keeps its colour.
std::vector<Rgb> Light(Canvas& canvas, float relief) {
    const float lx = -0.55f;
    const float ly = -0.55f;
    const float lz = 1.0f;
    const float lengthL = std::sqrt(lx * lx + ly * ly + lz * lz);
    std::vector<Rgb> out(kSize * kSize);
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const float nx = -(canvas.H(x + 1, y) - canvas.H(x - 1, y)) * 0.5f * relief;
            const float ny = -(canvas.H(x, y + 1) - canvas.H(x, y - 1)) * 0.5f * relief;
            const float lengthN = std::sqrt(nx * nx + ny * ny + 1);
            const float lit = (nx * lx + ny * ly + lz) / (lengthN * lengthL);
            const float flat = lz / lengthL;
            out[y * kSize + x] = canvas.C(x, y) * std::max(0.25f, lit / flat);
        }
    }
    return out;
}

// The four corner texels: what the game samples for its single-colour surfaces.
void LightCorners(std::vector<Rgb>& picture, Rgb corner) {
    for (int y : {0, kSize - 1}) {
        for (int x : {0, kSize - 1}) {
            picture[y * kSize + x] = corner;
        }
    }
}

// Distance into a rounded rectangle from its edge, negative outside: (dx, dy)
// is the distance to the nearest vertical and horizontal edge.
float RoundedInside(float dx, float dy, float radius) {
    if (dx < radius && dy < radius) {
        return radius - std::hypot(radius - dx, radius - dy);
    }
    return std::min(dx, dy);
}

// --- walls: red and brown bricks in light mortar, running bond -----------------

constexpr int kBrickHeight = 32;  // mortar joints fall on the picture's edges
constexpr int kBrickLength = 64;
constexpr float kMortarHalf = 2.2f;

Rgb BrickColour(int id) {
    static const Rgb kBricks[] = {{0.63f, 0.26f, 0.18f}, {0.70f, 0.33f, 0.22f}, {0.56f, 0.23f, 0.17f},
                                  {0.67f, 0.39f, 0.27f}, {0.50f, 0.21f, 0.17f}, {0.74f, 0.43f, 0.30f}};
    const Rgb base = kBricks[Hash(std::uint32_t(id), 3, 11) % 6];
    return base * (0.9f + 0.2f * Random01(id, 5, 12));
}

void PaintBrickTexel(Canvas& canvas, int x, int y) {
    const float u = float(x) / kSize;
    const float v = float(y) / kSize;
    const int row = y / kBrickHeight;
    const int shifted = Wrap(x + (row % 2) * kBrickLength / 2, kSize);
    const int id = row * (kSize / kBrickLength) + shifted / kBrickLength;
    const float lx = float(shifted % kBrickLength) + 0.5f;
    const float ly = float(y % kBrickHeight) + 0.5f;
    const float dx = std::min(lx, kBrickLength - lx) - kMortarHalf;
    const float dy = std::min(ly, kBrickHeight - ly) - kMortarHalf;
    // Worn, uneven brick edges.
    const float chip = (Fbm(u, v, 16, 16, 3, 21) - 0.5f) * 3.0f;
    const float inside = RoundedInside(dx, dy, 4.0f) + chip;

    const float grain = Fbm(u, v, 32, 32, 3, 31);
    const float cloud = Fbm(u, v, 4, 4, 3, 41);
    const float speck = Random01(x, y, 51) < 0.02f ? 0.65f + 0.2f * Random01(x, y, 52) : 1.0f;
    const Rgb brick = BrickColour(id) * ((0.82f + 0.3f * grain) * (0.9f + 0.2f * cloud) * speck);
    const float scorch = SmoothStep(0.55f, 0.8f, Fbm(u + id * 0.13f, v, 8, 8, 2, 61));
    const Rgb mortar = Rgb{0.90f, 0.885f, 0.85f} * (0.9f + 0.1f * grain) * (speck < 1 ? 0.92f : 1.0f);
    // Half a texel of blend keeps the brick edges from stepping.
    canvas.C(x, y) = Mix(mortar, Mix(brick, brick * 0.55f, scorch * 0.6f), Clamp01(inside + 0.5f));
    canvas.H(x, y) = inside > 0 ? 4.0f * SmoothStep(0, 3.5f, inside) + 0.8f * grain : 0.6f * grain;
}

std::vector<Rgb> PaintWalls() {
    Canvas canvas;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            PaintBrickTexel(canvas, x, y);
        }
    }
    std::vector<Rgb> picture = Light(canvas, 0.9f);
    LightCorners(picture, {0.96f, 0.95f, 0.92f});
    return picture;
}

// --- floor: polished marble tiles, cream and slate, in light grout -------------

constexpr int kTile = 64;
constexpr float kGroutHalf = 1.6f;

Rgb Marble(int tileX, int tileY, float u, float v) {
    const bool dark = (tileX + tileY) % 2 != 0;
    const Rgb base = dark ? Rgb{0.30f, 0.36f, 0.40f} : Rgb{0.88f, 0.84f, 0.76f};
    const Rgb vein = dark ? Rgb{0.66f, 0.70f, 0.72f} : Rgb{0.58f, 0.52f, 0.46f};
    const int id = tileY * (kSize / kTile) + tileX;
    const float angle = 6.2832f * Random01(id, 1, 71);
    const float along = u * std::cos(angle) + v * std::sin(angle);
    // Long veins bent by soft turbulence, with fainter threads beside them.
    const float turbulence = Fbm(u, v, 4, 4, 5, 81 + id);
    const float wave = std::sin((along * 6.0f + turbulence * 3.0f) * 3.1416f);
    const float veins = std::pow(1.0f - std::fabs(wave), 5.0f);
    const float threads = std::pow(1.0f - std::fabs(std::sin((along * 17.0f + turbulence * 7.0f) * 3.1416f)), 9.0f);
    const float cloud = Fbm(u, v, 6, 6, 4, 91 + id);
    const Rgb stone = base * (0.88f + 0.2f * cloud);
    return Mix(Mix(stone, vein, veins * 0.55f), vein, threads * 0.3f);
}

void PaintFloorTexel(Canvas& canvas, int x, int y) {
    const float u = float(x) / kSize;
    const float v = float(y) / kSize;
    const float lx = float(x % kTile) + 0.5f;
    const float ly = float(y % kTile) + 0.5f;
    const float dx = std::min(lx, kTile - lx) - kGroutHalf;
    const float dy = std::min(ly, kTile - ly) - kGroutHalf;
    const float inside = RoundedInside(dx, dy, 2.0f);
    const float grain = Fbm(u, v, 64, 64, 2, 101);
    if (inside > 0) {
        canvas.C(x, y) = Marble(x / kTile, y / kTile, u, v);
        canvas.H(x, y) = 2.5f * SmoothStep(0, 2.0f, inside);
    } else {
        canvas.C(x, y) = Rgb{0.91f, 0.90f, 0.87f} * (0.93f + 0.07f * grain);
        canvas.H(x, y) = 0.3f * grain;
    }
}

std::vector<Rgb> PaintFloor() {
    Canvas canvas;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            PaintFloorTexel(canvas, x, y);
        }
    }
    std::vector<Rgb> picture = Light(canvas, 0.8f);
    LightCorners(picture, {0.96f, 0.96f, 0.94f});
    return picture;
}

// --- door: oak planks in a frame, two iron bands with rivets, ring handle -------

constexpr int kFrame = 14;
constexpr int kPlanks = 5;
constexpr int kBandTop[2] = {44, 190};
constexpr int kBandHeight = 22;
constexpr float kHandleX = kFrame + (kSize - 2 * kFrame) * 0.9f;  // middle of the last plank
constexpr float kHandleY = 132;

const Rgb kIron{0.20f, 0.20f, 0.22f};

// Oak with long grain running along v, gently waved; `across` (in texels)
// picks the rings.
Rgb Oak(float across, float u, float v, std::uint32_t seed) {
    const float warp = Fbm(u, v, 8, 2, 4, seed);
    const float rings = across * 0.11f + warp * 2.2f + Random01(int(seed), 0, 3) * 10.0f;
    const float ring = std::pow(0.5f + 0.5f * std::sin(rings * 3.1416f), 2.0f);
    const float streak = ValueNoise(u, v, 160, 3, seed + 1);
    const Rgb light{0.62f, 0.42f, 0.23f};
    const Rgb dark{0.36f, 0.22f, 0.11f};
    return Mix(dark, light, 0.45f + 0.35f * (1 - ring) + 0.2f * streak);
}

void PaintPlankTexel(Canvas& canvas, int x, int y) {
    const float u = float(x) / kSize;
    const float v = float(y) / kSize;
    const float inner = float(kSize - 2 * kFrame);
    const float px = (float(x) + 0.5f - kFrame) / inner * kPlanks;
    const int plank = std::min(kPlanks - 1, std::max(0, int(px)));
    const float edge = std::min(px - plank, plank + 1 - px) * inner / kPlanks;
    canvas.C(x, y) = Oak(float(x), u, v, 200u + plank) * (0.92f + 0.1f * Random01(plank, 9, 7));
    canvas.H(x, y) = 3.0f * SmoothStep(0.5f, 2.5f, edge);
    if (edge < 1.0f) {
        canvas.C(x, y) = canvas.C(x, y) * 0.35f;  // the gap between two planks
    }
}

void PaintFrameTexel(Canvas& canvas, int x, int y) {
    const float u = float(x) / kSize;
    const float v = float(y) / kSize;
    const int toSide = std::min(x, kSize - 1 - x);
    const int toEnd = std::min(y, kSize - 1 - y);
    // The top and bottom rails run across, the stiles up and down; they meet mitred.
    const bool rail = toEnd < toSide;
    const Rgb wood = rail ? Oak(float(y) * 2, v, u, 300) : Oak(float(x) * 2, u, v, 301);
    canvas.C(x, y) = wood * 0.72f;
    const float d = float(std::min(toSide, toEnd)) + 0.5f;
    canvas.H(x, y) = 5.0f + 2.0f * SmoothStep(0, 3, d) - 2.0f * SmoothStep(kFrame - 4.0f, kFrame, d);
}

// A raised dome of iron: rivets and the handle's boss.
bool Dome(Canvas& canvas, int x, int y, float cx, float cy, float radius, float base) {
    const float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
    if (d >= radius) {
        return false;
    }
    canvas.C(x, y) = kIron * 1.3f;
    canvas.H(x, y) = base + std::sqrt(radius * radius - d * d) * 1.2f;
    return true;
}

void PaintIronwork(Canvas& canvas, int x, int y) {
    const float u = float(x) / kSize;
    const float v = float(y) / kSize;
    const float rust = Fbm(u, v, 16, 16, 3, 401);
    for (int top : kBandTop) {
        if (y >= top && y < top + kBandHeight && x >= kFrame && x < kSize - kFrame) {
            canvas.C(x, y) = Mix(kIron, Rgb{0.40f, 0.22f, 0.12f}, SmoothStep(0.55f, 0.85f, rust));
            const float d = float(std::min(y - top, top + kBandHeight - 1 - y)) + 0.5f;
            canvas.H(x, y) = 4.0f + 2.0f * SmoothStep(0, 2, d);
            const float plankWidth = float(kSize - 2 * kFrame) / kPlanks;
            for (int p = 0; p < kPlanks; ++p) {
                Dome(canvas, x, y, kFrame + plankWidth * (p + 0.5f), top + kBandHeight / 2.0f, 4.0f, 6.0f);
            }
        }
    }
    // Handle: a round boss, a ring hanging from it, a keyhole below.
    Dome(canvas, x, y, kHandleX, kHandleY, 10.0f, 4.0f);
    const float ringD = std::hypot(x + 0.5f - kHandleX, y + 0.5f - (kHandleY + 14));
    if (ringD > 11.0f && ringD < 15.0f && y > kHandleY) {
        const float tube = 2.0f - std::fabs(ringD - 13.0f);
        canvas.C(x, y) = kIron * 1.5f;
        canvas.H(x, y) = 6.0f + 2.0f * tube;
    }
    const float kx = x + 0.5f - kHandleX;
    const float ky = y + 0.5f - (kHandleY + 40);
    if (std::hypot(kx, ky) < 3.5f || (std::fabs(kx) < 1.6f && ky > 0 && ky < 9)) {
        canvas.C(x, y) = Rgb{0.05f, 0.04f, 0.03f};
        canvas.H(x, y) = 0;
    }
}

std::vector<Rgb> PaintDoor() {
    Canvas canvas;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            const bool frame = x < kFrame || y < kFrame || x >= kSize - kFrame || y >= kSize - kFrame;
            frame ? PaintFrameTexel(canvas, x, y) : PaintPlankTexel(canvas, x, y);
            PaintIronwork(canvas, x, y);
        }
    }
    return Light(canvas, 0.7f);
}

// --- output --------------------------------------------------------------------

void Put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>(v >> 8 & 0xFF));
}

void Put32(std::vector<unsigned char>& out, unsigned v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

unsigned char Byte(float v) {
    return static_cast<unsigned char>(std::lround(Clamp01(v) * 255.0f));
}

// A 24-bit Windows bitmap: bottom row first, blue-green-red. 256 pixels make
// 768 bytes, so the rows need no padding.
bool WriteBmp(const std::string& path, const std::vector<Rgb>& picture) {
    const unsigned pixelBytes = kSize * kSize * 3;
    std::vector<unsigned char> out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, 54 + pixelBytes);
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, kSize);
    Put32(out, kSize);
    Put16(out, 1);
    Put16(out, 24);
    Put32(out, 0);
    Put32(out, pixelBytes);
    Put32(out, 2835);  // 72 dots per inch
    Put32(out, 2835);
    Put32(out, 0);
    Put32(out, 0);
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = 0; x < kSize; ++x) {
            const Rgb& c = picture[y * kSize + x];
            out.push_back(Byte(c.b));
            out.push_back(Byte(c.g));
            out.push_back(Byte(c.r));
        }
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(out.data(), 1, out.size(), file) == out.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-textures OUTPUT_FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    const struct {
        const char* name;
        std::vector<Rgb> (*paint)();
    } kFiles[] = {{"Crate.bmp", PaintWalls}, {"Land.bmp", PaintFloor}, {"Door.bmp", PaintDoor}};
    for (const auto& file : kFiles) {
        const std::string path = folder + "/" + file.name;
        if (!WriteBmp(path, file.paint())) {
            std::fprintf(stderr, "make-textures: cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("wrote %s\n", path.c_str());
    }
    return 0;
}
