// Writes the three glyphs of the check list box (CHECKED, GRAYED, UNCHECKED)
// as 11 x 11 bitmaps in the standard 16-colour palette into the folder named
// on the command line (normally forms/bitmaps). The files are committed; run
// this again only when the glyphs change.
//
//   checkglyphs forms/bitmaps

#include <array>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int Size = 11;

// The 16-colour palette as stored in a bitmap file: blue, green, red, 0.
constexpr std::array<std::array<std::uint8_t, 4>, 16> Palette = {{
    {0x00, 0x00, 0x00, 0}, {0x00, 0x00, 0x80, 0}, {0x00, 0x80, 0x00, 0}, {0x00, 0x80, 0x80, 0},
    {0x80, 0x00, 0x00, 0}, {0x80, 0x00, 0x80, 0}, {0x80, 0x80, 0x00, 0}, {0xC0, 0xC0, 0xC0, 0},
    {0x80, 0x80, 0x80, 0}, {0x00, 0x00, 0xFF, 0}, {0x00, 0xFF, 0x00, 0}, {0x00, 0xFF, 0xFF, 0},
    {0xFF, 0x00, 0x00, 0}, {0xFF, 0x00, 0xFF, 0}, {0xFF, 0xFF, 0x00, 0}, {0xFF, 0xFF, 0xFF, 0},
}};
constexpr std::uint8_t Black = 0;
constexpr std::uint8_t Silver = 7;
constexpr std::uint8_t Gray = 8;
constexpr std::uint8_t White = 15;

// The check mark: for each row, the black columns (border included, from 0).
struct MarkRow {
    int y;
    std::vector<int> columns;
};
const std::vector<MarkRow> &mark()
{
    static const std::vector<MarkRow> rows = {
        {2, {8}}, {3, {7, 8}}, {4, {2, 6, 7, 8}}, {5, {2, 3, 5, 6, 7}}, {6, {2, 3, 4, 5, 6}}, {7, {3, 4, 5}}, {8, {4}},
    };
    return rows;
}

using Pixels = std::array<std::array<std::uint8_t, Size>, Size>;   // [y][x]

Pixels glyph(std::uint8_t interior, bool withMark)
{
    Pixels p{};
    for (int y = 0; y < Size; ++y) {
        for (int x = 0; x < Size; ++x) {
            const bool border = x == 0 || y == 0 || x == Size - 1 || y == Size - 1;
            p[y][x] = border ? Gray : interior;
        }
    }
    if (withMark) {
        for (const MarkRow &row : mark()) {
            for (int x : row.columns)
                p[row.y][x] = Black;
        }
    }
    return p;
}

void put16(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    out.push_back(std::uint8_t(v & 0xFF));
    out.push_back(std::uint8_t((v >> 8) & 0xFF));
}

void put32(std::vector<std::uint8_t> &out, std::uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// A 4-bit uncompressed bitmap file, rows bottom-up, each padded to 4 bytes.
std::vector<std::uint8_t> bitmapFile(const Pixels &p)
{
    const std::uint32_t rowBytes = ((Size * 4 + 31) / 32) * 4;
    const std::uint32_t imageBytes = rowBytes * Size;
    const std::uint32_t headerBytes = 14 + 40 + std::uint32_t(Palette.size()) * 4;
    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    put32(out, headerBytes + imageBytes);
    put32(out, 0);
    put32(out, headerBytes);
    put32(out, 40);
    put32(out, Size);
    put32(out, Size);
    put16(out, 1);    // planes
    put16(out, 4);    // bits per pixel
    put32(out, 0);    // no compression
    put32(out, imageBytes);
    put32(out, 3780); // 96 pixels per inch
    put32(out, 3780);
    put32(out, 16);
    put32(out, 0);
    for (const auto &entry : Palette)
        out.insert(out.end(), entry.begin(), entry.end());
    for (int y = Size - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(rowBytes, 0);
        for (int x = 0; x < Size; ++x)
            row[x / 2] |= std::uint8_t(x % 2 == 0 ? p[y][x] << 4 : p[y][x]);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

bool writeFile(const std::string &path, const std::vector<std::uint8_t> &bytes)
{
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    const struct {
        const char *name;
        Pixels pixels;
    } glyphs[] = {
        {"CHECKED", glyph(White, true)},
        {"GRAYED", glyph(Silver, true)},
        {"UNCHECKED", glyph(White, false)},
    };
    for (const auto &g : glyphs) {
        const std::string path = folder + "/" + g.name + ".bmp";
        if (!writeFile(path, bitmapFile(g.pixels))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
        std::printf("wrote %s\n", path.c_str());
    }
    return 0;
}
