// Cache folder names as a property: for any "dirs" value, every folder DeleteCefCache would
// clear lies inside the cache folder. The value goes through the action's own attribute
// reading and the folder each listed name maps to is judged here on its own terms: the
// system resolves the full path (GetFullPathNameW: ".." and "." steps, both slashes,
// trailing dots and spaces, device names), and the result must begin with every component
// of the cache folder, compared whole. The cache is a real folder with sub-folders, beside
// folders outside it that a name could reach (a listed folder must exist to be cleared). A name the system maps to a device ("CON", "nul.txt")
// names no folder: clearing looks only into folders, so it touches nothing there. Nothing
// is deleted.
#include <windows.h>

#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "cache/DeleteCefCache.h"
#include "support/TempDir.h"
#include "ui/core/AttributeMap.h"
#include "ui/core/Encoding.h"

namespace {

// <a data folder>\cache_data with Cache, GPUCache, "Code Cache", a\b; beside it "outside"
// and "cache_data2".
const std::wstring& Cache() {
  static const std::wstring cache = [] {
    static KRUITest::TempDir data;
    for (const char* file : {"cache_data\\Cache\\f", "cache_data\\GPUCache\\f", "cache_data\\Code Cache\\f",
                             "cache_data\\a\\b\\f", "outside\\f", "cache_data2\\f"}) {
      data.Write(file, "x");
    }
    return KRUI::ThreadAnsiToWide(data.File("cache_data"));
  }();
  return cache;
}

std::wstring FullPath(const std::wstring& path) {
  std::vector<wchar_t> buffer(32768);
  const DWORD n = ::GetFullPathNameW(path.c_str(), static_cast<DWORD>(buffer.size()), buffer.data(), nullptr);
  if (n == 0 || n >= buffer.size()) return std::wstring();
  return std::wstring(buffer.data(), n);
}

std::vector<std::wstring> Components(const std::wstring& path) {
  std::vector<std::wstring> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of(L"\\/", start);
    if (end == std::wstring::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

bool SameName(const std::wstring& a, const std::wstring& b) {
  return ::CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
         CSTR_EQUAL;
}

bool Inside(const std::wstring& folder) {
  const std::wstring resolved = FullPath(folder);
  if (resolved.empty()) return false;
  const std::vector<std::wstring> cache = Components(Cache());
  const std::vector<std::wstring> parts = Components(resolved);
  // A reserved device name (\\.\CON): no folder to clear.
  if (resolved.compare(0, 4, L"\\\\.\\") == 0 && resolved.find_first_of(L"\\/:", 4) == std::wstring::npos) return true;
  if (resolved.compare(0, 2, L"\\\\") == 0 || parts.size() < cache.size()) return false;  // a share
  for (size_t i = 0; i < cache.size(); ++i) {
    if (!SameName(parts[i], cache[i])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CDeleteCefCache action;
  KRUI::AttributeMap attributes;
  attributes["dirs"].assign(reinterpret_cast<const char*>(data), size);
  action.LoadAttributes(attributes);
  for (const std::string& name : action.Dirs()) {
    const std::wstring folder = CDeleteCefCache::ListedFolder(Cache(), KRUI::ThreadAnsiToWide(name));
    if (folder.empty()) continue;  // refused: nothing is cleared for it
    KRUI_FUZZ_CHECK("cache", Inside(folder),
                    "name '" + name + "' clears '" + KRUI::WideToThreadAnsi(FullPath(folder)) + "'");
  }
  return 0;
}
