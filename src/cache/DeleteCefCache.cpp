#include "cache/DeleteCefCache.h"

#include <windows.h>

#include <algorithm>

#include "app/DataDirectory.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/Handles.h"
#include "ui/core/Paths.h"

KRUI_REGISTER_ELEMENT("DeleteCefCache", CDeleteCefCache);
const KRUI::ElementDeclaration CDeleteCefCache::kDeclaration = {
    KRUI::kKindAction, "removes the Chromium cache folders", {&KRUI::CAction::kAttributes},
    {
        {"dirs", KRUI::AttributeSyntax::kList, "", 0, nullptr,
         "folders below the cache folder; empty for all. Read up to 255 characters: a name cut there is dropped",
         KRUI::Via<&CDeleteCefCache::SetDirs, &CDeleteCefCache::DirsText>()},
    },
    {},
    {}};
KRUI_DECLARE_ELEMENT("DeleteCefCache", CDeleteCefCache::kDeclaration);

namespace {

bool IsDotEntry(const wchar_t* name) {
  return (name[0] == L'.' && name[1] == 0) || (name[0] == L'.' && name[1] == L'.' && name[2] == 0);
}

}  // namespace

void CDeleteCefCache::SetDirs(const std::string& value) {
  constexpr size_t limit = KRUI::kListLimit;
  dirs_ = KRUI::ParseList(value, limit);
  // The last name of a cut value is whole only when the cut fell on a comma.
  const bool cut = value.size() > limit && value[limit] != ',' && value[limit - 1] != ',';
  if (cut && !dirs_.empty()) dirs_.pop_back();
}

std::string CDeleteCefCache::DirsText() const { return KRUI::ShowValue(dirs_); }

KRUI::ActionResult CDeleteCefCache::Execute(KRUI::CEventx&) {
  const std::wstring dataDirectory = KRUI::GetDataDirectory();
  if (dataDirectory.empty()) return KRUI::ActionResult::Stop;
  const std::wstring cache = KRUI::CombinePathW(dataDirectory, L"cache_data");
  if (cache.empty()) return KRUI::ActionResult::Continue;  // a cache path that does not fit MAX_PATH

  if (dirs_.empty()) {
    ClearFolder(cache);
  } else {
    for (const std::string& name : dirs_) {
      const std::wstring folder = ListedFolder(cache, KRUI::ThreadAnsiToWide(name));
      if (!folder.empty()) ClearFolder(folder);
    }
  }
  return KRUI::ActionResult::Continue;
}

std::wstring CDeleteCefCache::ListedFolder(const std::wstring& cache, const std::wstring& name) {
  // Drives, streams, absolute, UNC and device paths are never names below the cache; wild
  // cards, control characters and the others no file name holds make a name unusable.
  if (name.empty() || name[0] == L'\\' || name[0] == L'/' || name.find_first_of(L":*?\"<>|") != std::wstring::npos ||
      std::any_of(name.begin(), name.end(), [](wchar_t c) { return c < L' '; })) {
    return {};
  }
  std::wstring relative = name;
  for (wchar_t& c : relative) {
    if (c == L'/') c = L'\\';  // the file system reads both as separators
  }
  // Containment is decided on the path the file system opens, by whole parts.
  const std::wstring base = KRUI::FullPathW(cache);
  const std::wstring folder = KRUI::FullPathW(base + L'\\' + relative);
  if (base.empty() || folder.size() >= MAX_PATH || !KRUI::IsSameOrBelowW(folder, base)) return {};

  // Every folder from the cache down to the listed one is a plain directory: a junction or
  // link may point anywhere on the disk, so it is not followed, as inside the walk.
  for (size_t end = base.size(); end < folder.size();) {
    end = folder.find(L'\\', end + 1);
    if (end == std::wstring::npos) end = folder.size();
    const DWORD attributes = ::GetFileAttributesW(folder.substr(0, end).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      return {};
    }
  }
  // What the file system really reaches (short names made long, links further up followed)
  // must still lie in what it reaches for the cache.
  const std::wstring reached = KRUI::FinalPathW(folder);
  if (reached.empty() || !KRUI::IsSameOrBelowW(reached, KRUI::FinalPathW(base))) return {};
  return folder;
}

void CDeleteCefCache::ClearFolder(const std::wstring& folder) {
  const DWORD attributes = ::GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return;
  const std::wstring pattern = KRUI::CombinePathW(folder, L"*.*");
  if (pattern.empty()) return;

  WIN32_FIND_DATAW entry;
  KRUI::UniqueFindFile find(::FindFirstFileW(pattern.c_str(), &entry));
  if (!find) return;
  do {
    if (IsDotEntry(entry.cFileName)) continue;
    const std::wstring path = KRUI::CombinePathW(folder, entry.cFileName);
    if (path.empty()) continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      // A junction or link may point anywhere on the disk: its target is not the cache's.
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) ClearFolder(path);
    } else {
      ::SetLastError(0);
      ::DeleteFileW(path.c_str());  // in use, read-only or forbidden: left as it is
    }
  } while (::FindNextFileW(find.get(), &entry));
}
