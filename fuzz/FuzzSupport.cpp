#include "FuzzSupport.h"

#include <cstdio>
#include <cstdlib>

namespace KRUIFuzz {

void Fail(const char* harness, const std::string& what) {
  std::fprintf(stderr, "\n%s: property violated: %s\n", harness, what.c_str());
  std::fflush(stderr);
  std::abort();
}

std::vector<std::string> SplitParts(const uint8_t* data, size_t size, size_t count, std::vector<bool>* present) {
  std::vector<std::string> parts(count);
  if (present) present->assign(count, false);
  const char* text = reinterpret_cast<const char*>(data);
  size_t start = 0;
  for (size_t i = 0; i < count && start <= size; ++i) {
    if (present) (*present)[i] = true;  // reached: the separator before it was there
    size_t end = size;
    if (i + 1 < count) {
      for (end = start; end < size && text[end] != '\x1e'; ++end) {
      }
    }
    parts[i].assign(text + start, end - start);
    start = end + 1;
  }
  return parts;
}

std::string MakeBmp(int width, int height) {
  const int stride = (width * 3 + 3) & ~3;
  const uint32_t pixels = static_cast<uint32_t>(stride * height);
  const uint32_t fileSize = 54 + pixels;
  std::string bmp(fileSize, '\0');
  auto put16 = [&](size_t at, uint32_t v) {
    bmp[at] = static_cast<char>(v & 0xFF);
    bmp[at + 1] = static_cast<char>((v >> 8) & 0xFF);
  };
  auto put32 = [&](size_t at, uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  bmp[0] = 'B';
  bmp[1] = 'M';
  put32(2, fileSize);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  put16(26, 1);
  put16(28, 24);
  put32(34, pixels);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const char shade = ((x / 8 + y / 8) & 1) ? '\x40' : '\xC0';
      char* p = &bmp[54 + static_cast<size_t>(y) * stride + static_cast<size_t>(x) * 3];
      p[0] = shade;
      p[1] = '\x80';
      p[2] = shade;
    }
  }
  return bmp;
}

}  // namespace KRUIFuzz
