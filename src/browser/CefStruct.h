// One C function table that a C++ object shows to the Chromium runtime. The table comes
// first, so the `self` pointer the runtime passes back leads to this record and from it to
// the owner; the table's counting slots count the owner's single reference count, so an
// object showing several tables (an app that is also its render-process handler) lives
// until the last reference to any of them goes.
#pragma once
#include <type_traits>

#include "browser/CefCapi.h"
#include "browser/CefRefCounted.h"

namespace KRUI {

template <typename CStruct>
class CCefStruct {
 public:
  explicit CCefStruct(CCefRefCounted* owner) noexcept : c_(), owner_(owner) {
    c_.base.size = sizeof(CStruct);
    c_.base.add_ref = &AddRefSlot;
    c_.base.release = &ReleaseSlot;
    c_.base.has_one_ref = &HasOneRefSlot;
    static_assert(std::is_standard_layout<CCefStruct>::value, "self must lead back to this record");
  }
  CCefStruct(const CCefStruct&) = delete;
  CCefStruct& operator=(const CCefStruct&) = delete;

  // The table, for filling in the slots and for borrowed use.
  CStruct* get() noexcept { return &c_; }
  // The table for the runtime, carrying a new reference the runtime takes over.
  CStruct* Share() noexcept {
    owner_->AddRef();
    return &c_;
  }
  // The owner of a table the runtime hands back as `self`.
  static CCefRefCounted* Owner(const void* self) noexcept {
    return static_cast<const CCefStruct*>(self)->owner_;
  }

 private:
  static void CEF_CALLBACK AddRefSlot(cef_base_ref_counted_t* self) noexcept { Owner(self)->AddRef(); }
  static int CEF_CALLBACK ReleaseSlot(cef_base_ref_counted_t* self) noexcept {
    return Owner(self)->Release() ? 1 : 0;
  }
  static int CEF_CALLBACK HasOneRefSlot(cef_base_ref_counted_t* self) noexcept {
    return Owner(self)->HasOneRef() ? 1 : 0;
  }

  CStruct c_;  // must stay the first member
  CCefRefCounted* owner_;
};

}  // namespace KRUI
