// A counted reference to a runtime table (browser, host, frame, cookie manager...). Adopt()
// takes over the reference that came with a pointer the runtime handed out or passed in;
// Share() adds one for handing the pointer on. The table's base is released when the
// holder goes, on whatever thread that is (the runtime allows any).
//
// The one way the program holds what crosses from the runtime: every pointer that comes
// with a reference (a result, a callback's argument) is adopted at once, every pointer
// handed to the runtime is shared; a program object's own table goes out with
// CCefStruct::Share.
#pragma once
#include <tuple>
#include <utility>

#include "browser/CefRefCounted.h"

namespace KRUI {

template <typename CStruct>
class CCefRefPtr {
 public:
  CCefRefPtr() noexcept = default;
  ~CCefRefPtr() { reset(); }
  CCefRefPtr(const CCefRefPtr& other) noexcept : p_(other.p_) { AddRef(p_); }
  CCefRefPtr& operator=(const CCefRefPtr& other) noexcept {
    AddRef(other.p_);
    reset();
    p_ = other.p_;
    return *this;
  }
  CCefRefPtr(CCefRefPtr&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
  CCefRefPtr& operator=(CCefRefPtr&& other) noexcept {
    if (this != &other) {
      reset();
      p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
  }

  static CCefRefPtr Adopt(CStruct* p) noexcept {
    CCefRefPtr r;
    r.p_ = p;
    return r;
  }
  CStruct* get() const noexcept { return p_; }
  CStruct* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  // The pointer with a new reference for its receiver.
  CStruct* Share() const noexcept {
    AddRef(p_);
    return p_;
  }
  void reset() noexcept {
    CefRelease(std::exchange(p_, nullptr));
  }

 private:
  static void AddRef(CStruct* p) noexcept {
    if (!p) return;
    cef_base_ref_counted_t* base = reinterpret_cast<cef_base_ref_counted_t*>(p);
    if (base->add_ref) base->add_ref(base);
  }
  CStruct* p_ = nullptr;
};

// Holders for a callback's arguments, each taking over the reference it came with; they
// give the references back when the callback ends.
template <typename... CStructs>
std::tuple<CCefRefPtr<CStructs>...> CefAdoptArguments(CStructs*... args) noexcept {
  return std::tuple<CCefRefPtr<CStructs>...>(CCefRefPtr<CStructs>::Adopt(args)...);
}

}  // namespace KRUI
