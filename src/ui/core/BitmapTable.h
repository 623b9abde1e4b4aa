// GDI+ bitmaps by id from bitmap.xml and bitmap2.xml: whole files ("Bitmap") or cells cut
// out of one file ("BitmapList"). The first entry for an id wins across documents. A cell is
// cut when it is first looked up: every cut-out holds system resources of its own, and a
// list of a hundred thousand cells cut at load would exhaust them.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "ui/core/Bitmap.h"

class TiXmlDocument;
class TiXmlElement;

namespace KRUI {

// The element names of bitmap.xml and bitmap2.xml.
constexpr const char kBitmapRootName[] = "BitmapRoot";
constexpr const char kBitmapElementName[] = "Bitmap";
constexpr const char kBitmapListElementName[] = "BitmapList";

class BitmapTable {
 public:
  BitmapTable();
  ~BitmapTable();
  static BitmapTable& Instance();

  // GDI+ must be running.
  bool Load(const std::string& path);
  // The entry for id, owned by the table for the life of the process; none if absent (or
  // if its cell cannot be cut).
  const CBitmap* LookupBitmap(const std::string& id) const;
  size_t Count() const { return entries_.size(); }

 private:
  // A whole image, or a cell of a list's sheet not cut yet (bitmap empty, sheet set).
  struct Entry {
    std::unique_ptr<CBitmap> bitmap;
    std::shared_ptr<const CBitmap> sheet;
    int x = 0, y = 0, width = 0, height = 0;
  };

  void AddBitmap(const TiXmlElement& element);
  void AddBitmapList(const TiXmlElement& element);
  std::unique_ptr<CBitmap> OpenImage(const std::string& file) const;
  void Insert(const std::string& id, Entry entry);

  // Cells are cut on lookup, which is otherwise a read.
  mutable std::map<std::string, Entry> entries_;
  std::unique_ptr<TiXmlDocument> document_;
  std::string documentPath_;
  std::string imageRoot_;
};

}  // namespace KRUI
