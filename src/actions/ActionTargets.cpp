#include "actions/ActionTargets.h"

#include "ui/core/Control.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"

namespace KRUI {

EventOwner EventOwnerOf(ElementKind senderKind) {
  switch (senderKind) {
    case kKindWindow:
      return EventOwner::kSelf;
    case kKindControl:
      return EventOwner::kHostWindow;
    default:
      return EventOwner::kNone;
  }
}

CHostWindow* OwnerWindowOf(const CEventx& event) {
  if (!event.sender) return nullptr;
  switch (EventOwnerOf(event.sender->GetKind())) {
    case EventOwner::kSelf:
      return static_cast<CHostWindow*>(event.sender);
    case EventOwner::kHostWindow:
      return static_cast<CControl*>(event.sender)->HostWindow();
    case EventOwner::kNone:
      break;
  }
  return nullptr;
}

CControl* SenderControlOf(const CEventx& event) {
  if (!event.sender || event.sender->GetKind() != kKindControl) return nullptr;
  return static_cast<CControl*>(event.sender);
}

WindowReference ReadWindowReference(const std::string& reference, EmptyReference empty) {
  if (reference == "owner") return WindowReference::kOwner;
  if (reference.empty()) return empty == EmptyReference::kOwner ? WindowReference::kOwner : WindowReference::kNone;
  return WindowReference::kId;
}

EmptyReference EmptyReferenceOf(AttributeSyntax syntax) {
  return syntax == AttributeSyntax::kWindowRefOrNone ? EmptyReference::kNone : EmptyReference::kOwner;
}

CHostWindow* ResolveWindowReference(const std::string& reference, const CEventx& event,
                                    AttributeSyntax syntax) {
  return ResolveWindowReferenceWith(reference, EmptyReferenceOf(syntax), OwnerWindowOf(event), [](const std::string& id) {
    return CLayoutLoader::Instance().FindTopLevelWindow(id);
  });
}

}  // namespace KRUI
