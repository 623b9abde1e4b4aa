#include "ui/core/BitmapTable.h"

#include <tinyxml.h>

#include <cstdint>

#include "ui/core/AttributeValue.h"
#include "ui/core/Encoding.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/Paths.h"
#include "ui/core/XmlNesting.h"

namespace KRUI {

using namespace Gdiplus::DllExports;

BitmapTable::BitmapTable() = default;
BitmapTable::~BitmapTable() = default;

BitmapTable& BitmapTable::Instance() {
  // Never destroyed: its bitmaps must not be released after GDI+ has been shut down.
  static BitmapTable* table = new BitmapTable();
  return *table;
}

bool BitmapTable::Load(const std::string& path) {
  if (!document_) document_.reset(new TiXmlDocument());
  // Refused before parsing: too deep a document would exhaust the stack in the parser.
  if (path.empty() || !LoadXmlWithin(*document_, path)) return false;
  documentPath_ = path;
  const TiXmlElement* root = document_->RootElement();
  if (!root || root->ValueStr() != kBitmapRootName) return false;
  // rootdir is used as written (no code-page conversion), relative to this document's folder.
  const char* rootdir = root->Attribute("rootdir");
  if (!rootdir) return false;
  imageRoot_ = AppendPath(ParentFolder(documentPath_), rootdir);

  for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
    if (e->ValueStr() == kBitmapElementName) {
      AddBitmap(*e);
    } else if (e->ValueStr() == kBitmapListElementName) {
      AddBitmapList(*e);
    }
  }
  return true;
}

const CBitmap* BitmapTable::LookupBitmap(const std::string& id) const {
  auto it = entries_.find(id);
  if (it == entries_.end()) return nullptr;
  Entry& entry = it->second;
  if (!entry.bitmap && entry.sheet) {
    UniqueGpBitmap piece;
    Gdiplus::GpStatus status = GdipCloneBitmapAreaI(entry.x, entry.y, entry.width, entry.height, 0,
                                                    entry.sheet->Native(), piece.put());
    if (status == Gdiplus::Ok && piece) entry.bitmap.reset(new CBitmap(std::move(piece), status));
    entry.sheet.reset();  // cut once, whatever the outcome; the sheet goes with its last cell
  }
  return entry.bitmap.get();
}

std::unique_ptr<CBitmap> BitmapTable::OpenImage(const std::string& file) const {
  // A root or an image path that does not fit MAX_PATH names no file: the image is an
  // unreadable one, never a file of the same name in the current folder.
  const std::string combined = imageRoot_.empty() ? std::string() : CombinePath(imageRoot_, file);
  if (combined.empty()) return std::unique_ptr<CBitmap>(new CBitmap(UniqueGpBitmap(), Gdiplus::InvalidParameter));
  // Read when first asked about (drawn, measured or tested for emptiness).
  return std::unique_ptr<CBitmap>(new CBitmap(ThreadAnsiToWide(combined)));
}

void BitmapTable::Insert(const std::string& id, Entry entry) {
  entries_.emplace(id, std::move(entry));  // the first entry for an id wins
}

void BitmapTable::AddBitmap(const TiXmlElement& element) {
  AttributeMap attributes;
  CLayoutLoader::ReadAttributes(&element, nullptr, attributes);
  std::string file, id;
  if (!GetAttribute(attributes, "file", file) || !GetAttribute(attributes, "id", id)) return;
  // Entered even when GDI+ cannot read the file: an empty bitmap draws nothing.
  Entry entry;
  entry.bitmap = OpenImage(file);
  Insert(id, std::move(entry));
}

void BitmapTable::AddBitmapList(const TiXmlElement& element) {
  AttributeMap attributes;
  CLayoutLoader::ReadAttributes(&element, nullptr, attributes);
  std::string file;
  if (!GetAttribute(attributes, "file", file)) return;
  std::shared_ptr<const CBitmap> sheet(OpenImage(file));
  const int64_t sheetWidth = sheet->Width(), sheetHeight = sheet->Height();

  for (const TiXmlElement* cell = element.FirstChildElement(); cell; cell = cell->NextSiblingElement()) {
    AttributeMap cellAttributes;
    CLayoutLoader::ReadAttributes(cell, nullptr, cellAttributes);
    std::string id, pos, size;
    if (!GetAttribute(cellAttributes, "id", id) || !GetAttribute(cellAttributes, "pos", pos) ||
        !GetAttribute(cellAttributes, "size", size))
      continue;
    int x = 0, y = 0, w = 0, h = 0;
    ParsePair(pos, x, y);
    ParsePair(size, w, h);
    if (sheet->IsEmpty()) continue;
    // A rectangle the cut would refuse (empty, or not inside the image) is no entry, so a
    // later document may still define the id.
    if (w <= 0 || h <= 0 || x < 0 || y < 0 || x + int64_t{w} > sheetWidth || y + int64_t{h} > sheetHeight) continue;
    Entry entry;
    entry.sheet = sheet;
    entry.x = x;
    entry.y = y;
    entry.width = w;
    entry.height = h;
    Insert(id, std::move(entry));
  }
}

}  // namespace KRUI
