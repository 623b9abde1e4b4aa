// GDI+ bitmaps by id from bitmap.xml and bitmap2.xml: whole files ("Bitmap") or cells cut
// out of one file ("BitmapList"). The first entry for an id wins across documents.
#pragma once
#include <map>
#include <memory>
#include <string>

#include "ui/core/Bitmap.h"

class TiXmlDocument;
class TiXmlElement;

namespace KRUI {

class BitmapTable {
 public:
  BitmapTable();
  ~BitmapTable();
  static BitmapTable& Instance();

  // GDI+ must be running.
  bool Load(const std::string& path);
  // The entry for id, owned by the table for the life of the process; none if absent.
  const CBitmap* LookupBitmap(const std::string& id) const;
  size_t Count() const { return entries_.size(); }

 private:
  void AddBitmap(const TiXmlElement& element);
  void AddBitmapList(const TiXmlElement& element);
  std::unique_ptr<CBitmap> OpenImage(const std::string& file) const;
  void Insert(const std::string& id, std::unique_ptr<CBitmap> bitmap);

  std::map<std::string, std::unique_ptr<CBitmap>> entries_;
  std::unique_ptr<TiXmlDocument> document_;
  std::string documentPath_;
  std::string imageRoot_;
};

}  // namespace KRUI
