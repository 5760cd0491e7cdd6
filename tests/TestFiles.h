// tests/TestFiles.h — small pictures written in code, and a temporary working folder for a game
// run.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testfiles {

// A 24-bit BMP of width x height filled with `rgb` (0xRRGGBB); `pixel` may paint single pixels.
std::vector<std::uint8_t> Bmp24(int width, int height, std::uint32_t rgb);
// Sets pixel (x, y), counted from the top-left, of a picture made by Bmp24.
void SetPixel24(std::vector<std::uint8_t>& bmp, int x, int y, std::uint32_t rgb);
// The raw reader's layout: headers, 256 palette entries, one byte a pixel, rows padded to 4
// bytes, bottom row first. `rows` holds the picture top row first.
std::vector<std::uint8_t> RawBmp(int width, int height, int bitCount,
                                 const std::vector<std::vector<std::uint8_t>>& rows);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The colours of the pictures a game run is given.
constexpr std::uint32_t kTitleColour = 0x802020;
constexpr std::uint32_t kMenuColour = 0x202080;
constexpr std::uint32_t kSkyColour = 0x4080FF;

// Makes a fresh temporary folder and works in it until destroyed; `withPictures` writes the
// title, menu, background and both sheets the game needs to start.
class WorkFolder {
public:
    explicit WorkFolder(bool withPictures);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
    std::string previous_;
};

}  // namespace testfiles
