#include "ui/core/BitmapTable.h"

#include <tinyxml.h>

#include "ui/core/AttributeValue.h"
#include "ui/core/Encoding.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/Paths.h"

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
  if (path.empty() || !document_->LoadFile(path.c_str())) return false;
  documentPath_ = path;
  const TiXmlElement* root = document_->RootElement();
  if (!root || root->ValueStr() != "BitmapRoot") return false;
  // rootdir is used as written (no code-page conversion), relative to this document's folder.
  const char* rootdir = root->Attribute("rootdir");
  if (!rootdir) return false;
  imageRoot_ = AppendPath(ParentFolder(documentPath_), rootdir);

  for (const TiXmlElement* e = root->FirstChildElement(); e; e = e->NextSiblingElement()) {
    if (e->ValueStr() == "Bitmap") {
      AddBitmap(*e);
    } else if (e->ValueStr() == "BitmapList") {
      AddBitmapList(*e);
    }
  }
  return true;
}

const CBitmap* BitmapTable::LookupBitmap(const std::string& id) const {
  auto it = entries_.find(id);
  return it == entries_.end() ? nullptr : it->second.get();
}

std::unique_ptr<CBitmap> BitmapTable::OpenImage(const std::string& file) const {
  // Read when first asked about (drawn, measured or tested for emptiness).
  return std::unique_ptr<CBitmap>(new CBitmap(ThreadAnsiToWide(CombinePath(imageRoot_, file))));
}

void BitmapTable::Insert(const std::string& id, std::unique_ptr<CBitmap> bitmap) {
  entries_.emplace(id, std::move(bitmap));  // the first entry for an id wins
}

void BitmapTable::AddBitmap(const TiXmlElement& element) {
  AttributeMap attributes;
  CLayoutLoader::ReadAttributes(&element, nullptr, attributes);
  std::string file, id;
  if (!GetAttribute(attributes, "file", file) || !GetAttribute(attributes, "id", id)) return;
  // Entered even when GDI+ cannot read the file: an empty bitmap draws nothing.
  Insert(id, OpenImage(file));
}

void BitmapTable::AddBitmapList(const TiXmlElement& element) {
  AttributeMap attributes;
  CLayoutLoader::ReadAttributes(&element, nullptr, attributes);
  std::string file;
  if (!GetAttribute(attributes, "file", file)) return;
  std::unique_ptr<CBitmap> sheet = OpenImage(file);

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
    UniqueGpBitmap piece;
    Gdiplus::GpStatus status = GdipCloneBitmapAreaI(x, y, w, h, 0, sheet->Native(), piece.put());
    if (status == Gdiplus::Ok && piece) Insert(id, std::unique_ptr<CBitmap>(new CBitmap(std::move(piece), status)));
  }
}

}  // namespace KRUI
