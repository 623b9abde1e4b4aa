// Text that the program puts into a runtime struct (settings, window info): filled through
// the library's own allocator and cleared again when the scope ends, while the library is
// still loaded.
#pragma once
#include <string>

#include "browser/CefCapi.h"
#include "browser/CefLibrary.h"

namespace KRUI {

class CCefStringField {
 public:
  CCefStringField(CCefLibrary& library, cef_string_t& field) noexcept : library_(library), field_(field) {}
  ~CCefStringField() {
    if (library_.string_utf16_clear) library_.string_utf16_clear(&field_);
  }
  CCefStringField(const CCefStringField&) = delete;
  CCefStringField& operator=(const CCefStringField&) = delete;

  // Copies text into the field; false when the library is missing or out of memory.
  bool Set(const std::wstring& text) noexcept {
    if (!library_.string_utf16_set) return false;
    return library_.string_utf16_set(text.c_str(), text.size(), &field_, 1) == 1;
  }

 private:
  CCefLibrary& library_;
  cef_string_t& field_;
};

// A string that borrows text for one call (no destructor: nothing to free).
inline cef_string_t CefStringView(const wchar_t* text, size_t length) noexcept {
  cef_string_t s = {};
  s.str = const_cast<char16*>(text);
  s.length = length;
  return s;
}

}  // namespace KRUI
