// gfx/BmpHeaders.h — the two headers and the palette entry of a BMP file, exactly as stored in it.
#pragma once

#include <cstdint>

#pragma pack(push, 2)
struct BITMAPFILEHEADER {
    std::uint16_t bfType;
    std::uint32_t bfSize;
    std::uint16_t bfReserved1;
    std::uint16_t bfReserved2;
    std::uint32_t bfOffBits;
};
#pragma pack(pop)

struct BITMAPINFOHEADER {
    std::uint32_t biSize;
    std::int32_t biWidth;
    std::int32_t biHeight;
    std::uint16_t biPlanes;
    std::uint16_t biBitCount;
    std::uint32_t biCompression;
    std::uint32_t biSizeImage;
    std::int32_t biXPelsPerMeter;
    std::int32_t biYPelsPerMeter;
    std::uint32_t biClrUsed;
    std::uint32_t biClrImportant;
};

struct RGBQUAD {
    std::uint8_t rgbBlue;
    std::uint8_t rgbGreen;
    std::uint8_t rgbRed;
    std::uint8_t rgbReserved;
};

static_assert(sizeof(BITMAPFILEHEADER) == 14, "the file header is 14 bytes in the file");
static_assert(sizeof(BITMAPINFOHEADER) == 40, "the information header is 40 bytes in the file");
static_assert(sizeof(RGBQUAD) == 4, "a palette entry is 4 bytes in the file");
