// Writes the program's icon: one 32x32 image in 16 colours (4 bits a pixel),
// drawn below as text so the picture can be read and changed in place.
// Usage: make_icon OUT.ico
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr int kSize = 32;

// A grey bevelled frame around a blue square; a yellow burst in its upper
// left, and a white arrow pointer clicking into it.
const char* const kPicture[kSize] = {
    "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWK",
    "WLLLLLLLLLLLLLLLLLLLLLLLLLLLLLDK",
    "WLLLLLLLLLLLLLLLLLLLLLLLLLLLLLDK",
    "WLLLLLLLLLLLLLLLLLLLLLLLLLLLLLDK",
    "WLLLDDDDDDDDDDDDDDDDDDDDDDDDLLDK",
    "WLLLDNNNNNNNNNNNNNNNNNNNNNNWLLDK",
    "WLLLDNBBBBBYBBBBBBBBBBBBBBBWLLDK",
    "WLLLDNBYBBBYBBBYBBBBBBBBBBBWLLDK",
    "WLLLDNBBYBBYBBYBBBBBBBBBBBBWLLDK",
    "WLLLDNBBBBBBBBBBBBBBBBBBBBBWLLDK",
    "WLLLDNBBBBYYYBBBBBBBBBBBBBBWLLDK",
    "WLLLDNYYYBYYYBYYYBBBBBBBBBBWLLDK",
    "WLLLDNBBBBYYKBBBBBBBBBBBBBBWLLDK",
    "WLLLDNBBBBBBKKBBBBBBBBBBBBBWLLDK",
    "WLLLDNBBYBBYKWKBBBBBBBBBBBBWLLDK",
    "WLLLDNBYBBBYKWWKBBBBBBBBBBBWLLDK",
    "WLLLDNBBBBBYKWWWKBBBBBBBBBBWLLDK",
    "WLLLDNBBBBBBKWWWWKBBBBBBBBBWLLDK",
    "WLLLDNBBBBBBKWWWWWKBBBBBBBBWLLDK",
    "WLLLDNBBBBBBKWWWWWWKBBBBBBBWLLDK",
    "WLLLDNBBBBBBKWWWWWWWKBBBBBBWLLDK",
    "WLLLDNBBBBBBKWWWWKKKKKBBBBBWLLDK",
    "WLLLDNBBBBBBKWKWWKBBBBBBBBBWLLDK",
    "WLLLDNBBBBBBKKBKWWKBBBBBBBBWLLDK",
    "WLLLDNBBBBBBKBBBKWWKBBBBBBBWLLDK",
    "WLLLDNBBBBBBBBBBKWWKBBBBBBBWLLDK",
    "WLLLDNBBBBBBBBBBBKWWKBBBBBBWLLDK",
    "WLLLDWWWWWWWWWWWWKWWKWWWWWWWLLDK",
    "WLLLLLLLLLLLLLLLLLKKLLLLLLLLLLDK",
    "WLLLLLLLLLLLLLLLLLLLLLLLLLLLLLDK",
    "WDDDDDDDDDDDDDDDDDDDDDDDDDDDDDDK",
    "KKKKKKKKKKKKKKKKKKKKKKKKKKKKKKKK",
};

// The classic 16-colour palette, in its usual order.
struct Colour { char key; uint8_t r, g, b; };
const Colour kPalette[16] = {
    {'K', 0x00, 0x00, 0x00}, {'r', 0x80, 0x00, 0x00}, {'g', 0x00, 0x80, 0x00}, {'o', 0x80, 0x80, 0x00},
    {'N', 0x00, 0x00, 0x80}, {'p', 0x80, 0x00, 0x80}, {'t', 0x00, 0x80, 0x80}, {'L', 0xC0, 0xC0, 0xC0},
    {'D', 0x80, 0x80, 0x80}, {'R', 0xFF, 0x00, 0x00}, {'G', 0x00, 0xFF, 0x00}, {'Y', 0xFF, 0xFF, 0x00},
    {'B', 0x00, 0x00, 0xFF}, {'M', 0xFF, 0x00, 0xFF}, {'C', 0x00, 0xFF, 0xFF}, {'W', 0xFF, 0xFF, 0xFF},
};

int PaletteIndex(char key)
{
    for (int i = 0; i < 16; ++i)
        if (kPalette[i].key == key) return i;
    return -1;
}

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The picture as an .ico file, or empty when the picture has a bad row or key.
std::vector<uint8_t> EncodeIcon()
{
    constexpr uint32_t kXorBytes = kSize * kSize / 2;  // rows of 16 bytes: already 4-byte aligned
    constexpr uint32_t kAndBytes = kSize * kSize / 8;  // rows of 4 bytes
    constexpr uint32_t kHeaderBytes = 40 + 16 * 4;
    constexpr uint32_t kImageBytes = kHeaderBytes + kXorBytes + kAndBytes;

    std::vector<uint8_t> out;
    Put16(out, 0);            // reserved
    Put16(out, 1);            // type: icon
    Put16(out, 1);            // one image
    out.push_back(kSize);     // width
    out.push_back(kSize);     // height
    out.push_back(16);        // colours
    out.push_back(0);         // reserved
    Put16(out, 1);            // planes
    Put16(out, 4);            // bits a pixel
    Put32(out, kImageBytes);
    Put32(out, 6 + 16);       // the image follows the one directory entry

    // BITMAPINFOHEADER; the height counts the XOR and the AND mask together.
    Put32(out, 40);
    Put32(out, kSize);
    Put32(out, 2 * kSize);
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);            // BI_RGB
    Put32(out, kXorBytes + kAndBytes);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, 16);
    Put32(out, 0);
    for (const Colour& c : kPalette) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }

    // Bitmaps are stored bottom row first.
    for (int y = kSize - 1; y >= 0; --y) {
        if (std::strlen(kPicture[y]) != kSize) return {};
        for (int x = 0; x < kSize; x += 2) {
            int hi = PaletteIndex(kPicture[y][x]);
            int lo = PaletteIndex(kPicture[y][x + 1]);
            if (hi < 0 || lo < 0) return {};
            out.push_back(static_cast<uint8_t>(hi << 4 | lo));
        }
    }
    // Every pixel is opaque: the frame fills the whole square.
    out.insert(out.end(), kAndBytes, 0);
    return out;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icon OUT.ico\n");
        return 2;
    }
    std::vector<uint8_t> icon = EncodeIcon();
    if (icon.empty()) {
        std::fprintf(stderr, "make_icon: the picture must be %d rows of %d palette keys\n", kSize, kSize);
        return 1;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::perror(argv[1]);
        return 1;
    }
    bool written = std::fwrite(icon.data(), 1, icon.size(), file) == icon.size();
    if (std::fclose(file) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
