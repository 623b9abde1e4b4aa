#include "actions/ActionTargets.h"

#include "ui/core/Control.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"

namespace KRUI {

CHostWindow* OwnerWindowOf(const CEventx& event) {
  if (!event.sender) return nullptr;
  switch (event.sender->GetKind()) {
    case kKindWindow:
      return static_cast<CHostWindow*>(event.sender);
    case kKindControl:
      return static_cast<CControl*>(event.sender)->HostWindow();
    default:
      return nullptr;
  }
}

CControl* SenderControlOf(const CEventx& event) {
  if (!event.sender || event.sender->GetKind() != kKindControl) return nullptr;
  return static_cast<CControl*>(event.sender);
}

CHostWindow* ResolveWindowReference(const std::string& reference, const CEventx& event,
                                    EmptyReference empty) {
  if (reference == "owner") return OwnerWindowOf(event);
  if (reference.empty()) return empty == EmptyReference::kOwner ? OwnerWindowOf(event) : nullptr;
  return CLayoutLoader::Instance().FindTopLevelWindow(reference);
}

}  // namespace KRUI
