// Writes small 24-bit BMP files for image tests.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace KRUITest {

// pixel(x, y) returns 0xRRGGBB.
std::string MakeBmp(int width, int height, const std::function<uint32_t(int, int)>& pixel);

}  // namespace KRUITest
