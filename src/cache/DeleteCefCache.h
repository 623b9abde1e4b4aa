// "DeleteCefCache": empties the browser's disk cache (the data directory's "cache_data"
// folder), or only the sub-folders its "dirs" attribute names. Folders stay; files that
// cannot be deleted (the browser holds them open) are left.
#pragma once
#include <string>
#include <vector>

#include "ui/core/Action.h"

class CDeleteCefCache : public KRUI::CAction {
 public:
  // The common action attributes, then "dirs".
  bool LoadAttributes(const KRUI::AttributeMap& attributes) override;
  // Stops the handler, deleting nothing, when there is no data directory.
  bool Execute(KRUI::CEventx& event) override;

  const std::vector<std::string>& Dirs() const { return dirs_; }

  // Deletes every deletable file below folder, at every depth; folders are kept. Links to
  // other folders (junctions, symbolic links) are not followed.
  static void ClearFolder(const std::wstring& folder);

 private:
  std::vector<std::string> dirs_;
};
