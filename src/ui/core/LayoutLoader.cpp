#include "ui/core/LayoutLoader.h"

#include <tinyxml.h>

#include "ui/core/Action.h"
#include "ui/core/Control.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/EventxHandler.h"
#include "ui/core/HostWindow.h"
#include "ui/core/Paths.h"
#include "ui/core/StringTable.h"
#include "ui/core/Win32Component.h"
#include "ui/core/XmlNesting.h"

namespace KRUI {

CLayoutLoader::CLayoutLoader(StringTable& strings) : strings_(strings) {}
CLayoutLoader::~CLayoutLoader() = default;

CLayoutLoader& CLayoutLoader::Instance() {
  // Never destroyed: the objects it made live until the process ends, and some hold GDI+
  // objects that must not be released after GDI+ has been shut down.
  static CLayoutLoader* loader = new CLayoutLoader(StringTable::Instance());
  return *loader;
}

namespace {
std::string g_documentPath;
}  // namespace

const std::string& CLayoutLoader::DocumentPath() { return g_documentPath; }

HICON CLayoutLoader::LoadDocumentIcon(const std::string& relative) {
  const std::string file = AppendPath(ParentFolder(g_documentPath), relative);
  if (file.empty()) return nullptr;
  return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), ThreadAnsiToWide(file).c_str(), IMAGE_ICON, 0,
                                         0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
}

bool CLayoutLoader::Load(const std::string& path) {
  if (document_ || path.empty()) return false;
  // The document stays even when it cannot be read, so a second Load also fails.
  document_.reset(new TiXmlDocument());
  // Refused before parsing: too deep a document would exhaust the stack in the parser.
  if (!LoadXmlWithin(*document_, path)) return false;
  path_ = path;
  g_documentPath = path;
  const TiXmlElement* root = document_->RootElement();
  if (root && root->ValueStr() == kLayoutRootName) {
    for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
      if (CObjectx* object = CreateObject(*e, 1)) topLevel_.push_back(object);
    }
  }
  return true;
}

bool CLayoutLoader::ReadAttributes(const TiXmlElement* element, IXmlAttributeInsertFilter* filter,
                                   AttributeMap& map) {
  if (!element) return false;
  for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next()) {
    if (!a->Name() || !a->Value()) continue;
    std::string value = Utf8ToAnsi(a->ValueStr());
    if (filter && !filter->FilterAttribute(a->Name(), value)) continue;
    map[a->Name()] = value;
  }
  return true;
}

bool CLayoutLoader::FilterAttribute(const std::string&, std::string& value) {
  value = strings_.ExpandString(value);
  return true;
}

CObjectx* CLayoutLoader::CreateObject(const TiXmlElement& element, size_t depth) {
  // Deeper elements are skipped like unknown ones, so every walk over the trees (routing,
  // painting, host assignment) stays shallow, even inside nested event dispatches.
  if (!BuildsAtDepth(depth)) return nullptr;
  AttributeMap attributes;
  ReadAttributes(&element, this, attributes);
  CObjectx* object = nullptr;
  // An element nobody registered is skipped with its whole subtree.
  if (!CreateElement(element.ValueStr(), &object) || !object) return nullptr;
  owned_.emplace_back(object);
  object->LoadAttributes(attributes);
  // Children of an action are not read.
  if (object->GetKind() == kKindAction) return object;
  for (const TiXmlElement* e = element.FirstChildElement(); e; e = e->NextSiblingElement()) {
    if (CObjectx* child = CreateObject(*e, depth + 1)) LinkChild(*object, *child);
  }
  return object;
}

void CLayoutLoader::LinkChild(CObjectx& parent, CObjectx& child) {
  const ElementKind kind = child.GetKind();
  switch (parent.GetKind()) {
    case kKindWindow: {
      auto& window = static_cast<CHostWindow&>(parent);
      if (kind == kKindControl) window.SetRootControl(static_cast<CControl*>(&child));
      if (kind == kKindComponent) window.AddComponent(static_cast<CWin32Component*>(&child));
      if (kind == kKindEventHandler) window.AddHandler(static_cast<CEventxHandler*>(&child));
      break;
    }
    case kKindControl: {
      auto& control = static_cast<CControl&>(parent);
      if (kind == kKindEventHandler) {
        control.AddHandler(static_cast<CEventxHandler*>(&child));
      } else if (kind == kKindControl) {
        control.AddChild(static_cast<CControl*>(&child));
      }
      // anything else inside a control is not a control: it stays unlinked
      break;
    }
    case kKindComponent: {
      auto& component = static_cast<CWin32Component&>(parent);
      if (kind == kKindEventHandler) component.AddHandler(static_cast<CEventxHandler*>(&child));
      if (kind == kKindComponent) component.AddChild(static_cast<CWin32Component*>(&child));
      break;
    }
    case kKindEventHandler:
      if (kind == kKindAction) static_cast<CEventxHandler&>(parent).AddAction(static_cast<CAction*>(&child));
      break;
    case kKindAction:
      break;
  }
}

CHostWindow* CLayoutLoader::FindTopLevelWindow(const std::string& id) const {
  for (CObjectx* object : topLevel_) {
    if (object->GetKind() != kKindWindow) continue;
    auto* window = static_cast<CHostWindow*>(object);
    if (window->Id() == id) return window;
  }
  return nullptr;
}

bool CLayoutLoader::OpenMainWindow() {
  for (CObjectx* object : topLevel_) {
    if (object->GetKind() != kKindWindow) continue;
    auto* window = static_cast<CHostWindow*>(object);
    // A first active window that makes no native window (a popup dialog, whose window
    // comes only with a run, or a failed creation) leaves nothing that could end the loop.
    if (window->IsActive()) return window->Create(nullptr) != nullptr;
  }
  return false;
}

void CLayoutLoader::CloseAllWindows() {
  for (CObjectx* object : topLevel_) {
    if (object->GetKind() == kKindWindow) static_cast<CHostWindow*>(object)->Close();
  }
}

}  // namespace KRUI
