#include "GameLinter.h"

#include <tinyxml.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "actions/ActionTargets.h"
#include "desktop/HotkeyText.h"
#include "desktop/ShowMessagebox.h"
#include "ui/core/AttributeValue.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/Encoding.h"
#include "ui/core/GdiPlus.h"
#include "ui/core/Handles.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/Paths.h"
#include "ui/core/StringTable.h"
#include "ui/core/XmlNesting.h"

namespace KRUI {

namespace {

const char kStrings[] = "layout/strings.xml";
const char kBitmaps[] = "layout/bitmap.xml";
const char kBitmaps2[] = "layout/bitmap2.xml";
const char kLayout[] = "layout/layout.xml";
const char kConfig[] = "conf.dat";

std::string Quote(const std::string& text) {
  // Bounded: a huge attribute value must not make a huge message line.
  if (text.size() > 80) return "'" + text.substr(0, 77) + "...'";
  return "'" + text + "'";
}

std::string Native(const std::string& relative) {
  std::string path = relative;
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

// Signed decimal digits and nothing else, as an author means a number.
bool IsNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  const size_t digits = i;
  while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
  while (i < text.size() && text[i] == ' ') ++i;
  return i > digits && i == text.size();
}

std::vector<std::string> SplitOn(const std::string& text, char separator) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return parts;
    start = end + 1;
  }
}

// At least count items, split as the runtime splits them (empty items dropped), each a number.
bool NumbersAtLeast(const std::string& text, size_t count) {
  const auto parts = ParseList(text, std::string::npos);
  if (parts.size() < count) return false;
  for (size_t i = 0; i < count; ++i)
    if (!IsNumber(parts[i])) return false;
  return true;
}

bool FileExists(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesW(ThreadAnsiToWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Size of an image GDI+ can read; false when it cannot.
bool ImageSize(const std::string& path, UINT& width, UINT& height) {
  UniqueGpBitmap bitmap;
  if (Gdiplus::DllExports::GdipCreateBitmapFromFile(ThreadAnsiToWide(path).c_str(), bitmap.put()) != Gdiplus::Ok)
    return false;
  Gdiplus::DllExports::GdipGetImageWidth(bitmap.get(), &width);
  Gdiplus::DllExports::GdipGetImageHeight(bitmap.get(), &height);
  return true;
}

// The hotkey text an author most likely meant when the runtime finds no key in it: a key
// written as its character or F1..F12 becomes its decimal code (ctrl_alt_G: ctrl_alt_71).
// Empty when no token looks like a key.
std::string MeantHotkeyText(const std::string& text) {
  HotkeyCombination meant = ParseHotkeyText(text);
  std::string token;
  for (size_t i = 0; i <= text.size(); ++i) {
    const char c = i < text.size() ? text[i] : '_';
    if (c != '_' && c != '+' && c != '-' && c != ' ') {
      token += c;
      continue;
    }
    std::string upper = token;
    for (char& u : upper) u = static_cast<char>(::toupper(static_cast<unsigned char>(u)));
    token.clear();
    if (upper == "CTRL") meant.ctrl = true;
    else if (upper == "ALT") meant.alt = true;
    else if (upper == "SHIFT") meant.shift = true;
    else if (upper.size() == 1 && std::isalnum(static_cast<unsigned char>(upper[0]))) meant.key = static_cast<unsigned char>(upper[0]);
    else if (upper.size() >= 2 && upper[0] == 'F' && IsNumber(upper.substr(1))) {
      const int n = std::atoi(upper.c_str() + 1);
      if (n >= 1 && n <= 12) meant.key = VK_F1 + n - 1;
    }
  }
  return meant.key ? FormatHotkeyValue(meant) : std::string();
}

std::string Article(const char* noun) {
  return std::string(noun).find_first_of("aeiou") == 0 ? "an " : "a ";
}

size_t Distance(const std::string& a, const std::string& b) {
  // Optimal string alignment: a swap of two letters counts one.
  std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t cost = ::tolower(static_cast<unsigned char>(a[i - 1])) ==
                                  ::tolower(static_cast<unsigned char>(b[j - 1]))
                              ? 0
                              : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

GameLinter::GameLinter(LintReport& report) : report_(report) {}
GameLinter::~GameLinter() = default;

const GameLinter::Node* GameLinter::FindControl(const Node& window, const std::string& path) {
  // As the window resolves it: the root's id, then each child's id below it.
  if (path.size() > kControlPathLimit) return nullptr;
  const Node* found = nullptr;
  for (const auto& id : SplitOn(path, ':')) {
    if (!found) {
      found = window.root && window.root->Attribute("id") == id ? window.root : nullptr;
    } else {
      const Node* next = nullptr;
      for (const auto& child : found->children)
        if (child->declaration->kind == kKindControl && child->Attribute("id") == id) {
          next = child.get();
          break;
        }
      found = next;
    }
    if (!found) break;
  }
  return found;
}

int GameLinter::Node::Line() const { return element ? element->Row() : 0; }

std::string GameLinter::Node::Attribute(const std::string& name) const {
  auto it = attributes.find(name);
  return it == attributes.end() ? std::string() : it->second;
}

std::string GameLinter::Nearest(const std::string& word, const std::vector<std::string>& candidates) {
  if (word.size() > 64) return std::string();  // nothing registered is that long
  std::string best;
  size_t bestDistance = std::max<size_t>(2, word.size() / 3) + 1;
  for (const auto& candidate : candidates) {
    const size_t d = Distance(word, candidate);
    if (d < bestDistance) {
      bestDistance = d;
      best = candidate;
    }
  }
  return best;
}

void GameLinter::Run(const std::string& folder) {
  folder_ = folder;
  const GdiplusScope gdiplus;  // image sizes are read through GDI+
  LintStrings();
  LintBitmaps(kBitmaps, true);
  LintBitmaps(kBitmaps2, false);
  LintConfig();
  LintLayout();
  ReportUnread(unreadStrings_, "string");
  ReportUnread(unreadBitmaps_, "bitmap");
}

std::vector<std::string> GameLinter::DocumentErrors(const std::string& folder, const std::string& relative) {
  LintReport report;
  GameLinter(report).Run(folder);
  std::vector<std::string> errors;
  for (const std::string& line : report.Lines()) {
    if (line.compare(0, relative.size(), relative) == 0 && line.size() > relative.size() &&
        line[relative.size()] == ':' && line.find(": error: ") != std::string::npos)
      errors.push_back(line);
  }
  return errors;
}

void GameLinter::MarkUnread(Unread& unread, const std::string& file, int line) {
  if (!unread.file.empty()) return;  // the first document that failed is named
  unread.file = file;
  unread.line = line;
}

void GameLinter::ReportUnread(const Unread& unread, const char* what) {
  if (unread.file.empty() || unread.references == 0) return;
  report_.Note(unread.file, unread.line, std::to_string(unread.references) + " " + what +
                                             (unread.references == 1 ? " reference" : " references") +
                                             " not checked because " + unread.file + " could not be read");
}

std::unique_ptr<TiXmlDocument> GameLinter::Parse(const std::string& relative, bool required) {
  const std::string path = AppendPath(folder_, Native(relative));
  parseErrorLine_ = 0;
  if (path.empty() || !FileExists(path)) {
    if (required) report_.Error(relative, 0, "missing: the launcher does not start without it");
    return nullptr;
  }
  if (!XmlFileNestingWithin(path)) {
    report_.Error(relative, 0, "nested deeper than " + std::to_string(kXmlNestingLimit) +
                                   " levels: the launcher refuses the document");
    return nullptr;
  }
  std::unique_ptr<TiXmlDocument> document(new TiXmlDocument());
  if (!LoadXmlWithin(*document, path)) {
    if (!document->Error()) {
      report_.Error(relative, 0, "cannot be read");
      return nullptr;
    }
    const std::string why = document->ErrorDesc() ? document->ErrorDesc() : "unreadable";
    const std::string ignored = required ? "" : " (the document is ignored)";
    // An end tag the parser did not find points where it gave up, which for an element left
    // open is the end tag of one around it, or the end: the author needs the open one.
    const std::string stop = "line " + std::to_string(document->ErrorRow()) + ", column " +
                             std::to_string(document->ErrorCol()) + ": " + why;
    XmlElementAt open;
    if (document->ErrorId() == TiXmlBase::TIXML_ERROR_READING_END_TAG && FindUnclosedXmlFileElement(path, open)) {
      parseErrorLine_ = open.line;
      report_.Error(relative, open.line,
                    "malformed XML: <" + open.name + "> is never closed (the parser stops at " + stop + ")" + ignored);
    } else {
      parseErrorLine_ = document->ErrorRow();
      report_.Error(relative, document->ErrorRow(),
                    "malformed XML at column " + std::to_string(document->ErrorCol()) + ": " + why + ignored);
    }
    return nullptr;
  }
  return document;
}

std::string GameLinter::Expand(Node& node, const std::string& name, const std::string& text, int line) {
  size_t reported = 0;
  return strings_.ExpandString(text, [&](const std::string& id) {
    if (!unreadStrings_.file.empty()) {
      // Nothing can be said of it: the value is not checked either.
      ++unreadStrings_.references;
      node.unchecked.insert(name);
    } else if (reported++ < 8) {
      report_.Error(kLayout, line, "${" + id + "} names no string of " + kStrings + ": it comes out empty");
    }
  });
}

void GameLinter::LintStrings() {
  auto document = Parse(kStrings, true);
  if (!document) {
    MarkUnread(unreadStrings_, kStrings, parseErrorLine_);
    return;
  }
  const TiXmlElement* root = document->RootElement();
  if (!root || root->ValueStr() != kStringRootName) {
    report_.Error(kStrings, root ? root->Row() : 1, "the root element must be StringRoot: no string is read");
    MarkUnread(unreadStrings_, kStrings, root ? root->Row() : 1);
    return;
  }
  for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
    const char* id = e->Attribute("id");
    const char* value = e->Attribute("value");
    if (!id || !value) {
      report_.Error(kStrings, e->Row(), std::string("an entry without ") + (id ? "value" : "id") + " is ignored");
      continue;
    }
    auto first = stringLines_.find(id);
    if (first != stringLines_.end())
      report_.Warning(kStrings, e->Row(), "string " + Quote(id) + " is defined again; the first (line " +
                                              std::to_string(first->second) + ") wins");
    else
      stringLines_.emplace(id, e->Row());
  }
  // Second pass: the entries added as the runtime adds them, each expanded against those
  // before it, in UTF-8 as written.
  for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
    AttributeMap attributes;
    for (const TiXmlAttribute* a = e->FirstAttribute(); a; a = a->Next())
      if (a->Name() && a->Value()) attributes[a->Name()] = a->ValueStr();
    size_t reported = 0;
    strings_.AddEntry(attributes, [&](const std::string& id) {
      if (reported++ >= 8) return;
      auto later = stringLines_.find(id);
      if (later != stringLines_.end())
        report_.Error(kStrings, e->Row(), "${" + id + "} refers to a string defined later (line " +
                                              std::to_string(later->second) + "): it comes out empty");
      else
        report_.Error(kStrings, e->Row(), "${" + id + "} names no string of " + kStrings + ": it comes out empty");
    });
  }
}

void GameLinter::LintBitmaps(const std::string& relative, bool required) {
  auto document = Parse(relative, required);
  if (!document) {
    // An optional document that is not there is no failure.
    if (required || FileExists(AppendPath(folder_, Native(relative)))) MarkUnread(unreadBitmaps_, relative, parseErrorLine_);
    return;
  }
  const TiXmlElement* root = document->RootElement();
  if (!root || root->ValueStr() != kBitmapRootName || !root->Attribute("rootdir")) {
    report_.Error(relative, root ? root->Row() : 1,
                  "the root element must be BitmapRoot with a rootdir: no bitmap is read");
    MarkUnread(unreadBitmaps_, relative, root ? root->Row() : 1);
    return;
  }
  const std::string documentPath = AppendPath(folder_, Native(relative));
  const std::string imageRoot = AppendPath(ParentFolder(documentPath), root->Attribute("rootdir"));
  std::map<std::string, int> lines;
  auto define = [&](const std::string& id, int line) {
    if (!bitmaps_.insert(id).second) {
      auto first = lines.find(id);
      report_.Warning(relative, line, "bitmap " + Quote(id) + " is defined again; the first" +
                                          (first != lines.end() ? " (line " + std::to_string(first->second) + ")" : std::string()) +
                                          " wins");
    } else {
      lines[id] = line;
    }
  };
  auto open = [&](const TiXmlElement& e, const std::string& file, UINT& width, UINT& height) {
    const std::string path = imageRoot.empty() ? std::string() : CombinePath(imageRoot, Utf8ToAnsi(file));
    if (path.empty() || !FileExists(path)) {
      report_.Error(relative, e.Row(), "image file " + Quote(file) + " not found: it draws nothing");
      return false;
    }
    namedFiles_.insert(path);
    if (!ImageSize(path, width, height)) {
      report_.Error(relative, e.Row(), "image file " + Quote(file) + " cannot be read: it draws nothing");
      return false;
    }
    return true;
  };
  for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
    const std::string kind = e->ValueStr();
    const char* file = e->Attribute("file");
    if (kind == kBitmapElementName) {
      const char* id = e->Attribute("id");
      if (!id || !file) {
        report_.Error(relative, e->Row(), "a Bitmap needs id and file: it is ignored");
        continue;
      }
      UINT w = 0, h = 0;
      open(*e, file, w, h);
      define(id, e->Row());  // entered even when unreadable
    } else if (kind == kBitmapListElementName) {
      if (!file) {
        report_.Error(relative, e->Row(), "a BitmapList needs a file: it is ignored");
        continue;
      }
      UINT w = 0, h = 0;
      const bool readable = open(*e, file, w, h);
      for (const TiXmlElement* cell = e->FirstChildElement(); cell; cell = cell->NextSiblingElement()) {
        const char* id = cell->Attribute("id");
        const char* pos = cell->Attribute("pos");
        const char* size = cell->Attribute("size");
        if (!id || !pos || !size) {
          report_.Error(relative, cell->Row(), "a Cell needs id, pos and size: it is ignored");
          continue;
        }
        if (!readable) continue;
        int x = 0, y = 0, cw = 0, ch = 0;
        ParsePair(pos, x, y);
        ParsePair(size, cw, ch);
        if (cw <= 0 || ch <= 0 || x < 0 || y < 0 || x + int64_t{cw} > w || y + int64_t{ch} > h) {
          report_.Error(relative, cell->Row(), "cell " + Quote(id) + " is not inside " + Quote(file) + " (" +
                                                   std::to_string(w) + "x" + std::to_string(h) + "): it is ignored");
          continue;
        }
        define(id, cell->Row());
      }
    } else {
      report_.Warning(relative, e->Row(), "unknown entry " + Quote(kind) + " (Bitmap or BitmapList): it is ignored");
    }
  }
}

void GameLinter::LintConfig() {
  // conf.dat is an INI file: only what the hotkeys read is of interest here.
  const std::string path = AppendPath(folder_, kConfig);
  if (path.empty() || !FileExists(path)) return;
  std::vector<char> sections(32 * 1024);
  std::vector<char> keys(32 * 1024);
  const DWORD got = ::GetPrivateProfileSectionNamesA(sections.data(), static_cast<DWORD>(sections.size()), path.c_str());
  for (const char* s = sections.data(); s < sections.data() + got && *s; s += strlen(s) + 1) {
    const DWORD n = ::GetPrivateProfileSectionA(s, keys.data(), static_cast<DWORD>(keys.size()), path.c_str());
    for (const char* k = keys.data(); k < keys.data() + n && *k; k += strlen(k) + 1) {
      const std::string line = k;
      const size_t equals = line.find('=');
      if (equals != std::string::npos) config_[s][line.substr(0, equals)] = line.substr(equals + 1);
    }
  }
}

std::unique_ptr<GameLinter::Node> GameLinter::Build(const TiXmlElement& element, Node* parent, Node* window,
                                                    size_t depth) {
  if (!BuildsAtDepth(depth)) {
    report_.Error(kLayout, element.Row(), "nested deeper than " + std::to_string(kLayoutNestingLimit) +
                                              " levels: " + Quote(element.ValueStr()) +
                                              " is skipped with everything inside it");
    return nullptr;
  }
  const std::string name = element.ValueStr();
  ElementRegistry& registry = ElementRegistry::Instance();
  const ElementDeclaration* declaration = registry.Declaration(name);
  if (!declaration) {
    std::string text = "unknown element " + Quote(name);
    const std::string suggestion = Nearest(name, registry.Names());
    if (!suggestion.empty()) text += " (did you mean '" + suggestion + "'?)";
    report_.Error(kLayout, element.Row(), text + ": it is skipped with everything inside it");
    return nullptr;
  }
  std::unique_ptr<Node> node(new Node());
  node->element = &element;
  node->name = name;
  node->declaration = declaration;
  node->parent = parent;
  node->window = window ? window : (declaration->kind == kKindWindow ? node.get() : nullptr);
  for (const TiXmlAttribute* a = element.FirstAttribute(); a; a = a->Next()) {
    if (!a->Name() || !a->Value()) continue;
    const int line = a->Row() > 0 ? a->Row() : element.Row();
    node->attributes[a->Name()] = Expand(*node, a->Name(), a->ValueStr(), line);
    node->attributeLines[a->Name()] = line;
  }
  if (declaration->kind == kKindAction) {
    if (element.FirstChildElement())
      report_.Warning(kLayout, element.FirstChildElement()->Row(),
                      "what is inside the action " + Quote(name) + " is not read");
    return node;
  }
  for (const TiXmlElement* e = element.FirstChildElement(); e; e = e->NextSiblingElement()) {
    auto child = Build(*e, node.get(), node->window, depth + 1);
    if (child) node->children.push_back(std::move(child));
  }
  if (declaration->kind == kKindWindow) {
    for (auto& child : node->children) {
      if (child->declaration->kind != kKindControl) continue;
      if (node->root)
        report_.Warning(kLayout, child->Line(), "a window holds one root control: " + Quote(child->name) +
                                                   " replaces the one at line " + std::to_string(node->root->Line()));
      node->root = child.get();
    }
  }
  return node;
}

void GameLinter::LintLayout() {
  auto document = Parse(kLayout, true);
  if (!document) return;
  const TiXmlElement* root = document->RootElement();
  if (!root || root->ValueStr() != kLayoutRootName) {
    report_.Error(kLayout, root ? root->Row() : 1, "the root element must be LayoutRoot: no window is made");
    return;
  }
  for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
    auto node = Build(*e, nullptr, nullptr, 1);
    if (node) topLevel_.push_back(std::move(node));
  }
  // Windows: ids and the active one.
  std::map<std::string, const Node*> ids;
  std::vector<const Node*> active;
  for (const auto& node : topLevel_) {
    if (node->declaration->kind != kKindWindow) {
      report_.Warning(kLayout, node->Line(), Quote(node->name) + " outside a window is never used");
      continue;
    }
    const std::string id = node->Attribute("id");
    auto first = ids.find(id);
    if (first != ids.end())
      report_.Warning(kLayout, node->Line(), "window id " + Quote(id) + " is used again; references find the first (line " +
                                                 std::to_string(first->second->Line()) + ")");
    else
      ids[id] = node.get();
    if (node->Attribute("active") == "true") active.push_back(node.get());
  }
  if (active.empty())
    report_.Error(kLayout, root->Row(), "no window is marked active=\"true\": the launcher opens nothing");
  for (size_t i = 1; i < active.size(); ++i)
    report_.Warning(kLayout, active[i]->Line(), "another window marked active: only the first (line " +
                                                    std::to_string(active[0]->Line()) + ") opens at start-up");
  for (auto& node : topLevel_) CheckReferences(*node);
  topLevel_.clear();  // the nodes point into the document
}

const GameLinter::Node* GameLinter::WindowById(const std::string& id) const {
  for (const auto& node : topLevel_)
    if (node->declaration->kind == kKindWindow && node->Attribute("id") == id) return node.get();
  return nullptr;
}

const GameLinter::Node* GameLinter::OwnerWindow(const Node& action) {
  // The events are raised by the element whose handler holds the action.
  const Node* sender = action.parent ? action.parent->parent : nullptr;
  if (!sender) return nullptr;
  switch (EventOwnerOf(sender->declaration->kind)) {
    case EventOwner::kSelf:
      return sender;
    case EventOwner::kHostWindow:
      return sender->window;
    case EventOwner::kNone:
      break;
  }
  return nullptr;
}

const GameLinter::Node* GameLinter::TargetWindow(const Node& action) const {
  const std::string id = action.Attribute("windowid");
  const AttributeDeclaration* windowid = action.declaration->FindAttribute("windowid");
  if (windowid && windowid->syntax == AttributeSyntax::kWindowId) return id.empty() ? nullptr : WindowById(id);
  // Without a window attribute (HotkeyConfigReader's "to") the path is in the owner window.
  const AttributeSyntax syntax = windowid ? windowid->syntax : AttributeSyntax::kWindowRef;
  return ResolveWindowReferenceWith(id, EmptyReferenceOf(syntax), OwnerWindow(action),
                                    [this](const std::string& reference) { return WindowById(reference); });
}

bool GameLinter::WindowFindsComponent(const Node& window, const std::string& id) {
  auto made = [](const Node& node) {
    CObjectx* object = nullptr;
    return std::unique_ptr<CObjectx>(CreateElement(node.name, &object) ? object : nullptr);
  };
  auto ansi = [](const Node& node) {
    AttributeMap attributes;
    for (const auto& entry : node.attributes) attributes[entry.first] = Utf8ToAnsi(entry.second);
    return attributes;
  };
  const std::unique_ptr<CObjectx> host = made(window);
  if (!host || host->GetKind() != kKindWindow) return false;
  std::vector<std::unique_ptr<CObjectx>> components;  // destroyed before the window
  for (const auto& child : window.children) {
    if (child->declaration->kind != kKindComponent) continue;
    components.push_back(made(*child));
    if (!components.back()) continue;
    components.back()->LoadAttributes(ansi(*child));
    CLayoutLoader::LinkChild(*host, *components.back());
  }
  return static_cast<CHostWindow&>(*host).FindComponent(Utf8ToAnsi(id)) != nullptr;
}

void GameLinter::CheckBitmap(const std::string& id, int line) {
  if (bitmaps_.count(id)) return;
  if (!unreadBitmaps_.file.empty())
    ++unreadBitmaps_.references;  // it may be in the table that could not be read
  else
    report_.Error(kLayout, line, "bitmap " + Quote(id) + " is in no bitmap table: it draws nothing");
}

void GameLinter::CheckFile(const std::string& file, int line, const std::string& what, const std::string& path) {
  if (path.empty()) return;
  const std::string layoutFolder = ParentFolder(AppendPath(folder_, Native(kLayout)));
  const std::string full = CombinePath(layoutFolder, Utf8ToAnsi(path));
  if (full.empty() || !FileExists(full))
    report_.Error(file, line, what + " file " + Quote(path) + " not found");
  else
    namedFiles_.insert(full);
}

void GameLinter::CheckReferences(Node& node) {
  CheckLinking(node);
  CheckAttributes(node);
  for (auto& child : node.children) CheckReferences(*child);
}

void GameLinter::CheckLinking(const Node& node) {
  if (!node.parent) return;
  const ElementKind parent = node.parent->declaration->kind;
  const ElementKind kind = node.declaration->kind;
  bool linked = false;
  switch (parent) {
    case kKindWindow: linked = kind == kKindControl || kind == kKindComponent || kind == kKindEventHandler; break;
    case kKindControl: linked = kind == kKindControl || kind == kKindEventHandler; break;
    case kKindComponent: linked = kind == kKindComponent || kind == kKindEventHandler; break;
    case kKindEventHandler: linked = kind == kKindAction; break;
    case kKindAction: linked = false; break;
  }
  if (!linked)
    report_.Error(kLayout, node.Line(), Article(ElementKindName(kind)) + ElementKindName(kind) + " (" + node.name +
                                            ") inside " + Article(ElementKindName(parent)) + ElementKindName(parent) + " (" + node.parent->name +
                                            ") is never used");
}

void GameLinter::CheckAttributes(Node& node) {
  const ElementDeclaration& declaration = *node.declaration;
  std::vector<std::string> known;
  for (const auto* attribute : declaration.AllAttributes()) known.push_back(attribute->name);
  for (const auto& prefix : declaration.prefixes) {
    if (const ElementDeclaration* target = ElementRegistry::Instance().Declaration(prefix.element))
      for (const auto* attribute : target->AllAttributes()) known.push_back(std::string(prefix.prefix) + attribute->name);
  }
  for (const auto& entry : node.attributes) {
    const std::string& name = entry.first;
    const int line = node.attributeLines[name];
    const AttributeDeclaration* attribute = declaration.FindAttribute(name);
    if (!attribute) {
      for (const auto& prefix : declaration.prefixes) {
        const std::string p = prefix.prefix;
        if (name.compare(0, p.size(), p) != 0) continue;
        if (const ElementDeclaration* target = ElementRegistry::Instance().Declaration(prefix.element))
          attribute = target->FindAttribute(name.substr(p.size()));
        if (attribute) break;
      }
    }
    if (!attribute) {
      std::string text = "unknown attribute " + Quote(name) + " of " + node.name;
      const std::string suggestion = Nearest(name, known);
      if (!suggestion.empty()) text += " (did you mean '" + suggestion + "'?)";
      report_.Error(kLayout, line, text + ": it is ignored");
      continue;
    }
    if (!node.unchecked.count(name)) CheckValue(node, name, entry.second, *attribute, line);
  }
  // An event handler's interest must be a number its owner raises.
  if (declaration.kind == kKindEventHandler && node.parent) {
    const std::string interest = node.Attribute("interest");
    if (IsNumber(interest)) {
      const int id = std::atoi(interest.c_str());
      const ElementDeclaration& owner = *node.parent->declaration;
      if (!owner.Raises(id))
        report_.Warning(kLayout, node.Line(), node.parent->name + " never raises event " + interest +
                                                  ": this handler never runs");
    }
  }
  // A button makes its caption only when it has a "text" attribute.
  if (!declaration.prefixes.empty() && declaration.FindAttribute("text") && !node.Has("text")) {
    for (const auto& entry : node.attributes) {
      if (entry.first.compare(0, 5, "text-") != 0 && entry.first != "textcolor") continue;
      report_.Warning(kLayout, node.attributeLines[entry.first],
                      Quote(entry.first) + " has no effect: " + node.name + " makes its caption only with a 'text' attribute");
      break;
    }
  }
  // ...and its words come from "text-text": "text" only switches the caption on. The dialog
  // buttons ShowMessagebox fills are the exception.
  const std::string text = node.Attribute("text");
  if (!declaration.prefixes.empty() && declaration.FindAttribute("text") && !text.empty() && !node.Has("text-text") &&
      node.Attribute("id") != kMessageboxYesId && node.Attribute("id") != kMessageboxNoId)
    report_.Error(kLayout, node.attributeLines["text"], "'text' is " + Quote(text) + ", but " + Article(node.name.c_str()) + node.name +
                                                            "'s caption shows only 'text-text': the caption is empty");
  if (node.name == "ShowMessagebox") CheckMessageboxDialog(node);
  // Paths find the first control of an id among its siblings.
  std::map<std::string, const Node*> siblings;
  for (const auto& child : node.children) {
    if (child->declaration->kind != kKindControl || !child->Has("id")) continue;
    auto inserted = siblings.emplace(child->Attribute("id"), child.get());
    if (!inserted.second)
      report_.Warning(kLayout, child->Line(), "control id " + Quote(child->Attribute("id")) +
                                                  " is used again in its parent; paths find the first (line " +
                                                  std::to_string(inserted.first->second->Line()) + ")");
  }
  // An action's fromdata is "event" or a control path of its own window.
  const std::string fromdata = node.Attribute("fromdata");
  if (declaration.kind == kKindAction && !fromdata.empty() && fromdata != "event" && node.window &&
      !FindControl(*node.window, fromdata))
    report_.Error(kLayout, node.attributeLines["fromdata"], "'fromdata' " + Quote(fromdata) +
                                                              " is neither \"event\" nor a control of window " +
                                                              Quote(node.window->Attribute("id")));
  // A hotkey's combination comes from conf.dat.
  if (node.Has("config-group") || node.Has("config-key")) {
    const std::string group = node.Attribute("config-group"), key = node.Attribute("config-key");
    auto section = config_.find(group);
    if (section == config_.end() || !section->second.count(key)) {
      report_.Warning(kLayout, node.Line(), std::string(kConfig) + " has no [" + group + "] " + key +
                                                ": the hotkey stays unregistered until one is saved");
    } else {
      const std::string& text = section->second[key];
      if (!text.empty() && ParseHotkeyText(text).key == 0) {
        const std::string meant = MeantHotkeyText(text);
        report_.Error(kConfig, 0, "[" + group + "] " + key + "=" + text + ": the hotkey text names no key (" +
                                      (meant.empty() ? "a key is its decimal code: ctrl_alt_71 is Ctrl+Alt+G"
                                                     : "a key is its decimal code: write " + meant) + ")");
      }
    }
  }
}

void GameLinter::CheckMessageboxDialog(const Node& action) {
  const Node* dialog = TargetWindow(action);
  if (!dialog) return;  // reported with the window id
  const std::string id = Quote(dialog->Attribute("id"));
  if (dialog->name != "PopupHostDialog") {
    report_.Error(kLayout, action.Line(), "ShowMessagebox's window " + id + " is " + Article(dialog->name.c_str()) +
                                              dialog->name + ", not a PopupHostDialog: nothing is asked and the handler stops");
    return;
  }
  struct Slot {
    const char* attribute;
    const char* control;
    const char* element;
  };
  const Slot slots[] = {{"title", kMessageboxTitleId, "Text"},
                        {"message", kMessageboxMessageId, "Text"},
                        {"yes", kMessageboxYesId, "Button"},
                        {"no", kMessageboxNoId, "Button"}};
  for (const Slot& slot : slots) {
    if (action.Attribute(slot.attribute).empty()) continue;
    const Node* control = nullptr;
    if (dialog->root)
      for (const auto& child : dialog->root->children)
        if (child->declaration->kind == kKindControl && child->Attribute("id") == slot.control) {
          control = child.get();
          break;
        }
    std::string problem;
    if (!control || control->name != slot.element)
      problem = "has no " + std::string(slot.element) + " " + Quote(slot.control) + " directly under its root";
    else if (control->name == "Button" && !control->Has("text"))
      problem = "has Button " + Quote(slot.control) + " without a 'text' attribute, so without a caption";
    if (problem.empty()) continue;
    const auto line = action.attributeLines.find(slot.attribute);
    report_.Error(kLayout, line != action.attributeLines.end() ? line->second : action.Line(),
                  "dialog " + id + " " + problem + ": ShowMessagebox's " + Quote(slot.attribute) + " is not shown");
  }
}

void GameLinter::CheckValue(const Node& node, const std::string& name, const std::string& value,
                            const AttributeDeclaration& attribute, int line) {
  using S = AttributeSyntax;
  const std::string ansi = Utf8ToAnsi(value);
  if (attribute.longest && ansi.size() > attribute.longest) {
    report_.Error(kLayout, line, Quote(name) + " is " + std::to_string(ansi.size()) +
                                     " characters long: the runtime ignores one longer than " +
                                     std::to_string(attribute.longest));
  }
  if (attribute.limit && ansi.size() > attribute.limit) {
    report_.Error(kLayout, line, Quote(name) + " is " + std::to_string(ansi.size()) +
                                     " characters long: the runtime reads at most " + std::to_string(attribute.limit));
  }
  const std::string cut = attribute.limit ? value.substr(0, attribute.limit) : value;
  switch (attribute.syntax) {
    case S::kFlag:
      if (value != "true" && value != "false")
        report_.Warning(kLayout, line, Quote(name) + " is " + Quote(value) + ": only \"true\" sets it, anything else clears it");
      break;
    case S::kInteger:
    case S::kEventNumber:
      if (!IsNumber(value))
        report_.Error(kLayout, line, Quote(name) + " is " + Quote(value) + ", not a number: it is read as " +
                                         std::to_string(std::atoi(value.c_str())));
      break;
    case S::kPair:
      if (!NumbersAtLeast(cut, 2))
        report_.Error(kLayout, line, Quote(name) + " is " + Quote(value) + ", not two numbers \"x,y\": it is ignored");
      break;
    case S::kColour:
      if (!NumbersAtLeast(cut, 3))
        report_.Error(kLayout, line, Quote(name) + " is " + Quote(value) + ", not a colour \"r,g,b\": it is ignored");
      break;
    case S::kChoice: {
      if (value.empty() || !attribute.choices) break;
      bool found = false;
      for (const auto& choice : SplitOn(attribute.choices, '|')) found = found || choice == value;
      if (!found)
        report_.Warning(kLayout, line, Quote(name) + " is " + Quote(value) + ", none of " + attribute.choices);
      break;
    }
    case S::kBitmapId:
      if (!value.empty()) CheckBitmap(value, line);
      break;
    case S::kBitmapList:
      for (const auto& id : ParseList(value)) CheckBitmap(id, line);
      break;
    case S::kPath:
      if (name == "icon") CheckFile(kLayout, line, "icon", value);
      break;
    case S::kWindowRef:
    case S::kWindowRefOrNone:
      switch (ReadWindowReference(value, EmptyReferenceOf(attribute.syntax))) {
        case WindowReference::kId:
          if (!WindowById(value))
            report_.Error(kLayout, line, Quote(name) + " " + Quote(value) + " names no window: the action does nothing");
          break;
        case WindowReference::kOwner:
          // Only the target needs one; a parent that is none is no parent.
          if (name == "windowid" && node.parent && node.parent->parent && !OwnerWindow(node))
            report_.Error(kLayout, line, Quote(name) + " " + Quote(value) +
                                             " names no window: the events of " + node.parent->parent->name +
                                             " have no owner window, so the action does nothing");
          break;
        case WindowReference::kNone:
          report_.Error(kLayout, line, Quote(name) + " is empty: the action does nothing");
          break;
      }
      break;
    case S::kWindowId:
      if (!value.empty() && !WindowById(value))
        report_.Error(kLayout, line, Quote(name) + " " + Quote(value) + " names no window: the action does nothing" +
                                         (value == "owner" ? " (here \"owner\" is an id, not the window holding it)" : ""));
      break;
    case S::kControlPath: {
      if (value.empty() || value == "event") break;
      const Node* window = TargetWindow(node);
      if (!window) break;  // reported with the window reference
      const Node* found = FindControl(*window, value);
      if (!found)
        report_.Error(kLayout, line, Quote(name) + " " + Quote(value) + " names no control of window " +
                                         Quote(window->Attribute("id")) + ": the action does nothing");
      break;
    }
    case S::kComponentId: {
      if (value.empty()) break;
      const Node* window = TargetWindow(node);
      if (!window) break;
      if (!WindowFindsComponent(*window, value))
        report_.Error(kLayout, line, Quote(name) + " " + Quote(value) + " names no component of window " +
                                         Quote(window->Attribute("id")) + ": the action does nothing");
      break;
    }
    case S::kText:
    case S::kList:
    case S::kHotkeyText:
      break;
  }
}

}  // namespace KRUI
