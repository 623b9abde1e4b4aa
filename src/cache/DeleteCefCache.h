// "DeleteCefCache": empties the browser's disk cache (the data directory's "cache_data"
// folder), or only the sub-folders its "dirs" attribute names. Folders stay; files that
// cannot be deleted (the browser holds them open) are left.
#pragma once
#include <string>
#include <vector>

#include "ui/core/Action.h"

class CDeleteCefCache : public KRUI::CAction {
 public:
  const KRUI::ElementDeclaration& Declaration() const override { return kDeclaration; }
  static const KRUI::ElementDeclaration kDeclaration;
  // Stops the handler, deleting nothing, when there is no data directory.
  KRUI::ActionResult Execute(KRUI::CEventx& event) override;

  const std::vector<std::string>& Dirs() const { return dirs_; }

  // Deletes every deletable file below folder, at every depth; folders are kept. Links to
  // other folders (junctions, symbolic links) are not followed.
  static void ClearFolder(const std::wstring& folder);

  // The full path Execute clears for one listed name, or empty when the name is unusable
  // or would lead outside cache (a full path): "/" and "\\" both separate, "." and ".."
  // count wherever they stand, and the result is compared by whole parts with the cache as
  // the file system resolves both. Empty as well when the folder does not exist, or when it
  // or a folder between it and the cache is a junction or link.
  static std::wstring ListedFolder(const std::wstring& cache, const std::wstring& name);

 private:
  // "dirs" replaces the list: its first kListLimit characters, split at commas, less a last
  // name the limit cut (the shortened name would clear a folder nobody listed).
  void SetDirs(const std::string& value);
  std::string DirsText() const;

  std::vector<std::string> dirs_;
};
