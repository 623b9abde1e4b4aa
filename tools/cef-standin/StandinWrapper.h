// One crossing of a browser's table (browser, host or frame) to the program: a new object
// with a count of its own, as the runtime wraps every crossing afresh, so two pointers never
// say "same browser" and is_same must. It holds its browser until the program lets go.
#pragma once
#include "browser/CefRefCounted.h"
#include "browser/CefStruct.h"

namespace CefStandin {

template <typename Target, typename CStruct>
class CStandinWrapper : public KRUI::CCefRefCounted {
 public:
  // A new wrapper with prototype's slots, carrying the one reference the receiver takes.
  static CStruct* Make(const CStruct& prototype, Target* target, int tag) {
    auto* wrapper = new CStandinWrapper(prototype, target, tag);
    return wrapper->table_.get();  // the creator's reference is the receiver's
  }
  static CStandinWrapper* From(const CStruct* self) noexcept {
    return static_cast<CStandinWrapper*>(KRUI::CCefStruct<CStruct>::Owner(self));
  }
  Target* Get() const noexcept { return target_; }
  int Tag() const noexcept { return tag_; }

 private:
  CStandinWrapper(const CStruct& prototype, Target* target, int tag) : table_(this), target_(target), tag_(tag) {
    CStruct* table = table_.get();
    const cef_base_ref_counted_t base = table->base;
    *table = prototype;
    table->base = base;
    target_->AddRef();
  }
  ~CStandinWrapper() override { target_->Release(); }

  KRUI::CCefStruct<CStruct> table_;
  Target* target_;
  const int tag_;
};

}  // namespace CefStandin
