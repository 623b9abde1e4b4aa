#include "support/Bmp.h"

#include <windows.h>

namespace KRUITest {

std::string MakeBmp(int width, int height, const std::function<uint32_t(int, int)>& pixel) {
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER fh = {};
  BITMAPINFOHEADER ih = {};
  ih.biSize = sizeof(ih);
  ih.biWidth = width;
  ih.biHeight = height;  // bottom-up
  ih.biPlanes = 1;
  ih.biBitCount = 24;
  ih.biSizeImage = stride * height;
  fh.bfType = 0x4D42;
  fh.bfOffBits = sizeof(fh) + sizeof(ih);
  fh.bfSize = fh.bfOffBits + ih.biSizeImage;
  std::string out(reinterpret_cast<const char*>(&fh), sizeof(fh));
  out.append(reinterpret_cast<const char*>(&ih), sizeof(ih));
  for (int row = height - 1; row >= 0; --row) {
    std::string line(stride, '\0');
    for (int x = 0; x < width; ++x) {
      uint32_t c = pixel(x, row);
      line[x * 3 + 0] = static_cast<char>(c & 0xFF);
      line[x * 3 + 1] = static_cast<char>((c >> 8) & 0xFF);
      line[x * 3 + 2] = static_cast<char>((c >> 16) & 0xFF);
    }
    out += line;
  }
  return out;
}

}  // namespace KRUITest

namespace KRUITest {

std::string MakeIcon(uint32_t rgb) {
  const int size = 16;
  std::string out;
  auto put16 = [&out](uint16_t v) { out.append(reinterpret_cast<const char*>(&v), 2); };
  auto put32 = [&out](uint32_t v) { out.append(reinterpret_cast<const char*>(&v), 4); };
  const uint32_t imageBytes = 40 + size * size * 4 + size * 4;
  put16(0);
  put16(1);  // icon
  put16(1);  // one image
  out += static_cast<char>(size);
  out += static_cast<char>(size);
  out += '\0';  // no palette
  out += '\0';
  put16(1);   // planes
  put16(32);  // bits
  put32(imageBytes);
  put32(6 + 16);
  BITMAPINFOHEADER ih = {};
  ih.biSize = sizeof(ih);
  ih.biWidth = size;
  ih.biHeight = size * 2;  // colour and mask
  ih.biPlanes = 1;
  ih.biBitCount = 32;
  out.append(reinterpret_cast<const char*>(&ih), sizeof(ih));
  for (int i = 0; i < size * size; ++i) put32(0xFF000000u | rgb);
  out.append(size * 4, '\0');  // AND mask: all opaque
  return out;
}

}  // namespace KRUITest
