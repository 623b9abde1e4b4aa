#include "LayoutRenderer.h"

#include <cstdint>

#include "GameLinter.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/Control.h"
#include "ui/core/Encoding.h"
#include "ui/core/GdiPlus.h"
#include "ui/core/Handles.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/Paths.h"
#include "ui/core/StringTable.h"
#include "ui/windows/FrameHostWindow.h"
#include "ui/windows/WindowPainter.h"

namespace KRUI {

namespace {

// Why the document cannot be read, in the linter's words (its lines, "file:line: error:
// ..."), or a plain sentence when the linter finds nothing to say.
std::string Unreadable(const std::string& folder, const std::string& relative) {
  std::string text;
  for (const std::string& line : GameLinter::DocumentErrors(folder, relative)) text += (text.empty() ? "" : "\n") + line;
  return text.empty() ? relative + " cannot be read" : text;
}

// GDI+'s built-in PNG encoder.
const CLSID kPngEncoder = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

}  // namespace

bool LayoutRenderer::Render(const std::string& folder, const std::string& windowId, const std::string& png,
                            std::string& error) {
  GdiplusScope gdiplus;
  if (!gdiplus.ok()) {
    error = "GDI+ does not start";
    return false;
  }
  {
    // Same documents, same order as the launcher; the second bitmap table is optional.
    if (!StringTable::Instance().Load(AppendPath(folder, "layout\\strings.xml"))) {
      error = Unreadable(folder, "layout/strings.xml");
      return false;
    }
    if (!BitmapTable::Instance().Load(AppendPath(folder, "layout\\bitmap.xml"))) {
      error = Unreadable(folder, "layout/bitmap.xml");
      return false;
    }
    BitmapTable::Instance().Load(AppendPath(folder, "layout\\bitmap2.xml"));
    CLayoutLoader& loader = CLayoutLoader::Instance();
    if (!loader.Load(AppendPath(folder, "layout\\layout.xml"))) {
      error = Unreadable(folder, "layout/layout.xml");
      return false;
    }
    CHostWindow* window = loader.FindTopLevelWindow(windowId);
    if (!window) {
      error = "no window '" + windowId + "' in layout/layout.xml";
      return false;
    }
    const int width = window->DeclaredWidth(), height = window->DeclaredHeight();
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
      error = "window '" + windowId + "' has no size to render (1.." + std::to_string(kMaxSide) + " each way)";
      return false;
    }
    auto* frame = dynamic_cast<CFrameHostWindow*>(window);
    const bool layered = frame && frame->IsLayered();

    void* bits = nullptr;
    UniqueHdc memory(::CreateCompatibleDC(nullptr));
    UniqueHbitmap bitmap(CreateAlphaBitmap(memory.get(), width, height, &bits));
    if (!memory || !bitmap || !bits) {
      error = "no memory bitmap of " + std::to_string(width) + "x" + std::to_string(height);
      return false;
    }
    {
      SelectObjectScope select(memory.get(), bitmap.get());
      if (CControl* root = window->GetRootControl()) {
        bool handled = false;
        root->RouteMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(width, height), handled);
        handled = false;
        root->RouteMessage(MSG_PAINT, reinterpret_cast<WPARAM>(memory.get()), 0, handled);
      }
      ::GdiFlush();
    }
    // A layered window shows the alpha the controls drew; any other window is opaque.
    auto* pixels = static_cast<uint32_t*>(bits);
    if (!layered)
      for (size_t i = 0; i < size_t(width) * size_t(height); ++i) pixels[i] |= 0xFF000000u;
    UniqueGpBitmap image;
    if (Gdiplus::DllExports::GdipCreateBitmapFromScan0(width, height, width * 4,
                                                       layered ? PixelFormat32bppPARGB : PixelFormat32bppARGB,
                                                       static_cast<BYTE*>(bits), image.put()) != Gdiplus::Ok ||
        Gdiplus::DllExports::GdipSaveImageToFile(image.get(), ThreadAnsiToWide(png).c_str(), &kPngEncoder,
                                                 nullptr) != Gdiplus::Ok) {
      error = "cannot write " + png;
      return false;
    }
  }
  return true;
}

}  // namespace KRUI
