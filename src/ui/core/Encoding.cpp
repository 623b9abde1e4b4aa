#include "ui/core/Encoding.h"

#include <windows.h>

namespace KRUI {
namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
  if (text.empty()) return std::wstring();
  int n = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return std::wstring();
  std::wstring out(static_cast<size_t>(n), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
  return out;
}

std::string ToNarrow(UINT codePage, const std::wstring& text) {
  if (text.empty()) return std::string();
  int n = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                nullptr, nullptr);
  if (n <= 0) return std::string();
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr,
                        nullptr);
  return out;
}

// Every ANSI code page Windows uses keeps ASCII as it is, and so does UTF-8: such a text
// needs no round trip through UTF-16 (most attribute values of a layout are ASCII).
bool IsAscii(const std::string& text) {
  for (unsigned char c : text) {
    if (c >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::wstring Utf8ToWide(const std::string& utf8) { return ToWide(CP_UTF8, utf8); }
std::string Utf8ToAnsi(const std::string& utf8) {
  if (IsAscii(utf8)) return utf8;
  return ToNarrow(CP_ACP, ToWide(CP_UTF8, utf8));
}
std::string WideToAnsi(const std::wstring& wide) { return ToNarrow(CP_ACP, wide); }
std::string AnsiToUtf8(const std::string& ansi) {
  if (IsAscii(ansi)) return ansi;
  return ToNarrow(CP_UTF8, ToWide(CP_ACP, ansi));
}
std::string CodePageToAnsi(unsigned codePage, const std::string& text) {
  if (codePage == ::GetACP()) return text;
  return ToNarrow(CP_ACP, ToWide(codePage, text));
}
std::wstring ThreadAnsiToWide(const std::string& ansi) { return ToWide(CP_THREAD_ACP, ansi); }
std::string WideToThreadAnsi(const std::wstring& wide) { return ToNarrow(CP_THREAD_ACP, wide); }

bool WideToThreadAnsiChecked(const wchar_t* text, size_t units, size_t maxUnits, std::string& out) {
  if (!text || units >= maxUnits) return false;
  if (units == 0) {
    out.clear();
    return true;
  }
  // Two bytes per unit is the most a double-byte code page needs.
  std::string buffer(units * 2 + 2, '\0');
  int n = ::WideCharToMultiByte(CP_THREAD_ACP, 0, text, static_cast<int>(units), &buffer[0],
                                static_cast<int>(buffer.size()), nullptr, nullptr);
  if (n <= 0) return false;
  buffer.resize(static_cast<size_t>(n));
  out.swap(buffer);
  return true;
}

}  // namespace KRUI
