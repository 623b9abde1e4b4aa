// Move-only owners for every Win32, GDI, GDI+ and COM handle the runtime holds.
// The traits type says how a handle is released; copying is impossible.
#pragma once
#include <windows.h>
#include <ole2.h>
#include "ui/core/GdiPlus.h"

namespace KRUI {

template <typename Traits>
class UniqueHandle {
 public:
  using handle_type = typename Traits::type;

  UniqueHandle() noexcept = default;
  explicit UniqueHandle(handle_type h) noexcept : h_(h) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }

  handle_type get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return h_ != Traits::invalid(); }
  handle_type release() noexcept {
    handle_type h = h_;
    h_ = Traits::invalid();
    return h;
  }
  void reset(handle_type h = Traits::invalid()) noexcept {
    if (h_ != Traits::invalid()) Traits::close(h_);
    h_ = h;
  }
  // For out-parameters: releases what is held and hands out the slot.
  handle_type* put() noexcept {
    reset();
    return &h_;
  }

 private:
  handle_type h_ = Traits::invalid();
};

template <typename T, auto Close, T Invalid = T()>
struct HandleTraits {
  using type = T;
  static constexpr T invalid() noexcept { return Invalid; }
  static void close(T h) noexcept { Close(h); }
};

inline void DeleteGdiObject(HGDIOBJ h) noexcept { ::DeleteObject(h); }
inline void CloseKernelHandle(HANDLE h) noexcept { ::CloseHandle(h); }

using UniqueHwnd = UniqueHandle<HandleTraits<HWND, ::DestroyWindow>>;
using UniqueHdc = UniqueHandle<HandleTraits<HDC, ::DeleteDC>>;
using UniqueHbitmap = UniqueHandle<HandleTraits<HBITMAP, DeleteGdiObject>>;
using UniqueHfont = UniqueHandle<HandleTraits<HFONT, DeleteGdiObject>>;
using UniqueHbrush = UniqueHandle<HandleTraits<HBRUSH, DeleteGdiObject>>;
using UniqueHicon = UniqueHandle<HandleTraits<HICON, ::DestroyIcon>>;
using UniqueHmenu = UniqueHandle<HandleTraits<HMENU, ::DestroyMenu>>;
using UniqueHglobal = UniqueHandle<HandleTraits<HGLOBAL, ::GlobalFree>>;
using UniqueHmodule = UniqueHandle<HandleTraits<HMODULE, ::FreeLibrary>>;
using UniqueKernelHandle = UniqueHandle<HandleTraits<HANDLE, CloseKernelHandle>>;

// FindFirstFile's search handle: INVALID_HANDLE_VALUE, not null, when there is none.
struct FindFileTraits {
  using type = HANDLE;
  static HANDLE invalid() noexcept { return INVALID_HANDLE_VALUE; }
  static void close(HANDLE h) noexcept { ::FindClose(h); }
};
using UniqueFindFile = UniqueHandle<FindFileTraits>;

// GDI+ flat-API objects.
inline void DisposeGpImage(Gdiplus::GpBitmap* b) noexcept { Gdiplus::DllExports::GdipDisposeImage(b); }
inline void DeleteGpGraphics(Gdiplus::GpGraphics* g) noexcept { Gdiplus::DllExports::GdipDeleteGraphics(g); }
inline void DeleteGpBrush(Gdiplus::GpBrush* b) noexcept { Gdiplus::DllExports::GdipDeleteBrush(b); }
inline void DeleteGpFont(Gdiplus::GpFont* f) noexcept { Gdiplus::DllExports::GdipDeleteFont(f); }
inline void DeleteGpStringFormat(Gdiplus::GpStringFormat* f) noexcept {
  Gdiplus::DllExports::GdipDeleteStringFormat(f);
}
using UniqueGpBitmap = UniqueHandle<HandleTraits<Gdiplus::GpBitmap*, DisposeGpImage>>;
using UniqueGpGraphics = UniqueHandle<HandleTraits<Gdiplus::GpGraphics*, DeleteGpGraphics>>;
using UniqueGpBrush = UniqueHandle<HandleTraits<Gdiplus::GpBrush*, DeleteGpBrush>>;
using UniqueGpFont = UniqueHandle<HandleTraits<Gdiplus::GpFont*, DeleteGpFont>>;
using UniqueGpStringFormat = UniqueHandle<HandleTraits<Gdiplus::GpStringFormat*, DeleteGpStringFormat>>;

// GDI+ started for the owner's lifetime; ok() is false when it did not start.
class GdiplusScope {
 public:
  GdiplusScope() noexcept {
    Gdiplus::GdiplusStartupInput input;
    ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
  }
  ~GdiplusScope() {
    if (ok_) Gdiplus::GdiplusShutdown(token_);
  }
  GdiplusScope(const GdiplusScope&) = delete;
  GdiplusScope& operator=(const GdiplusScope&) = delete;
  bool ok() const noexcept { return ok_; }

 private:
  ULONG_PTR token_ = 0;
  bool ok_ = false;
};

// A DC borrowed from a window (GetDC), given back with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) noexcept : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const noexcept { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// BeginPaint/EndPaint as a scope.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) noexcept : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
  ~PaintDc() { ::EndPaint(hwnd_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const noexcept { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects a GDI object into a DC for the scope and restores the previous one.
class SelectObjectScope {
 public:
  SelectObjectScope(HDC dc, HGDIOBJ obj) noexcept : dc_(dc), previous_(::SelectObject(dc, obj)) {}
  ~SelectObjectScope() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  SelectObjectScope(const SelectObjectScope&) = delete;
  SelectObjectScope& operator=(const SelectObjectScope&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A COM interface pointer that releases its reference.
template <typename T>
class ComPtr {
 public:
  ComPtr() noexcept = default;
  ComPtr(std::nullptr_t) noexcept {}
  ~ComPtr() { reset(); }
  ComPtr(const ComPtr& o) noexcept : p_(o.p_) {
    if (p_) p_->AddRef();
  }
  ComPtr& operator=(const ComPtr& o) noexcept {
    if (o.p_) o.p_->AddRef();
    reset();
    p_ = o.p_;
    return *this;
  }
  ComPtr(ComPtr&& o) noexcept : p_(o.p_) { o.p_ = nullptr; }
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) {
      reset();
      p_ = o.p_;
      o.p_ = nullptr;
    }
    return *this;
  }
  T* get() const noexcept { return p_; }
  T* operator->() const noexcept { return p_; }
  explicit operator bool() const noexcept { return p_ != nullptr; }
  T** put() noexcept {
    reset();
    return &p_;
  }
  void reset() noexcept {
    if (p_) p_->Release();
    p_ = nullptr;
  }
  // Takes over a reference the caller already owns.
  void attach(T* p) noexcept {
    reset();
    p_ = p;
  }

 private:
  T* p_ = nullptr;
};

}  // namespace KRUI
