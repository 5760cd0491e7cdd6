// tests/TestFiles.cpp — writing test pictures and managing the temporary working folder.
#include "tests/TestFiles.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace testfiles {

namespace {

void Put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void Headers(std::vector<std::uint8_t>& b, int width, int height, int bitCount,
             std::uint32_t dataOffset, std::uint32_t fileSize) {
    b.push_back('B');
    b.push_back('M');
    Put32(b, fileSize);
    Put32(b, 0);
    Put32(b, dataOffset);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(height));
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(bitCount));
    for (int i = 0; i < 6; ++i) Put32(b, 0);
}

int Row24(int width) {
    return (width * 3 + 3) & ~3;
}

}  // namespace

std::vector<std::uint8_t> Bmp24(int width, int height, std::uint32_t rgb) {
    std::vector<std::uint8_t> b;
    const std::uint32_t size = 54 + static_cast<std::uint32_t>(Row24(width) * height);
    Headers(b, width, height, 24, 54, size);
    b.resize(size, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) SetPixel24(b, x, y, rgb);
    }
    return b;
}

void SetPixel24(std::vector<std::uint8_t>& bmp, int x, int y, std::uint32_t rgb) {
    const int width = static_cast<int>(bmp[18] | (bmp[19] << 8) | (bmp[20] << 16));
    const int height = static_cast<int>(bmp[22] | (bmp[23] << 8) | (bmp[24] << 16));
    std::size_t at = 54 + static_cast<std::size_t>((height - 1 - y) * Row24(width) + x * 3);
    bmp[at] = static_cast<std::uint8_t>(rgb);
    bmp[at + 1] = static_cast<std::uint8_t>(rgb >> 8);
    bmp[at + 2] = static_cast<std::uint8_t>(rgb >> 16);
}

std::vector<std::uint8_t> RawBmp(int width, int height, int bitCount,
                                 const std::vector<std::vector<std::uint8_t>>& rows) {
    std::vector<std::uint8_t> b;
    const int padded = (width + 3) & ~3;
    Headers(b, width, height, bitCount, 1078, 1078 + static_cast<std::uint32_t>(padded * height));
    for (int i = 0; i < 256; ++i) {
        b.push_back(static_cast<std::uint8_t>(i));        // blue
        b.push_back(static_cast<std::uint8_t>(255 - i));  // green
        b.push_back(static_cast<std::uint8_t>(i / 2));    // red
        b.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < padded; ++x) {
            b.push_back(x < width ? rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]
                                  : 0xEE);
        }
    }
    return b;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

WorkFolder::WorkFolder(bool withPictures) {
    char here[PATH_MAX];
    if (getcwd(here, sizeof(here)) != nullptr) previous_ = here;
    std::string pattern = (std::filesystem::temp_directory_path() / "vormil-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
    if (chdir(path_.c_str()) != 0) return;
    if (withPictures) {
        WriteFile("title2.bmp", Bmp24(640, 480, kTitleColour));
        WriteFile("menu2.bmp", Bmp24(640, 480, kMenuColour));
        WriteFile("bckgnd2.bmp", Bmp24(640, 480, kSkyColour));
        WriteFile("sprites2.bmp", Bmp24(842, 442, 0xFE00FE));
        WriteFile("front2.bmp", Bmp24(1368, 162, 0xFE00FE));
    }
}

WorkFolder::~WorkFolder() {
    if (!previous_.empty() && chdir(previous_.c_str()) != 0) return;
    std::error_code ignored;
    if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

}  // namespace testfiles
