// Base of every program object handed to the Chromium runtime. The runtime may add and drop
// references on any of its threads, so the count is atomic; the object deletes itself when
// the last reference goes.
#pragma once
#include <atomic>

#include "browser/CefCapi.h"

namespace KRUI {

class CCefRefCounted {
 public:
  CCefRefCounted(const CCefRefCounted&) = delete;
  CCefRefCounted& operator=(const CCefRefCounted&) = delete;

  void AddRef() noexcept { refs_.fetch_add(1, std::memory_order_relaxed); }
  // True when this call dropped the last reference (the object is gone).
  bool Release() noexcept {
    if (refs_.fetch_sub(1, std::memory_order_acq_rel) != 1) return false;
    delete this;
    return true;
  }
  bool HasOneRef() const noexcept { return refs_.load(std::memory_order_acquire) == 1; }
  // The count itself, for checks of who holds what (the stand-in runtime's journal).
  long References() const noexcept { return refs_.load(std::memory_order_acquire); }

 protected:
  // A new object holds one reference, its creator's.
  CCefRefCounted() = default;
  virtual ~CCefRefCounted() = default;

 private:
  std::atomic<long> refs_{1};
};

// Drops the reference that came with a struct pointer the runtime passed in (any
// ref-counted C struct starts with its base). None is fine.
template <typename CStruct>
inline void CefRelease(CStruct* object) noexcept {
  if (!object) return;
  cef_base_ref_counted_t* base = reinterpret_cast<cef_base_ref_counted_t*>(object);
  if (base->release) base->release(base);
}

}  // namespace KRUI
