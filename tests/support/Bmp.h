// Writes small 24-bit BMP files for image tests.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace KRUITest {

// pixel(x, y) returns 0xRRGGBB.
std::string MakeBmp(int width, int height, const std::function<uint32_t(int, int)>& pixel);

}  // namespace KRUITest

namespace KRUITest {

// A 16x16 32-bit .ico file of one colour (0xRRGGBB, opaque).
std::string MakeIcon(uint32_t rgb);

}  // namespace KRUITest
