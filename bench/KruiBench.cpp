// The runtime's own benchmarks, each beside the floor it cannot beat, in one program:
//   layout   DEMO  building generated layouts of 100, 1,000 and 10,000 elements against
//                  TinyXML's parse of the same files; hit test and window creation at 10,000
//   paint    DEMO  full repaints of a 1280x720 window with 200 drawn controls against one
//                  GDI+ loop drawing the same bitmaps and strings into the same memory DC
//   dispatch       events per second through a sender with 50 handlers, 5 of them matching
// DEMO is the demo installation (its layout\bitmap.xml and pictures are drawn). Each prints
// table rows; scripts/bench puts them under one header.
#include <windows.h>
#include <windowsx.h>
#include <tinyxml.h>

#include <cstdarg>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "BenchTiming.h"
#include "ui/controls/LayoutControl.h"
#include "ui/core/Action.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/EventxHandler.h"
#include "ui/core/GdiPlus.h"
#include "ui/core/HostWindow.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"

using namespace KRUIBench;
using namespace Gdiplus::DllExports;

namespace {

std::string g_folder;  // temporary files of this run

std::string WriteFile(const std::string& name, const std::string& bytes) {
  const std::string path = g_folder + "\\" + name;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return std::string();
  std::fwrite(bytes.data(), 1, bytes.size(), f);
  std::fclose(f);
  return path;
}

void PumpPending() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

std::string Printf(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof(text), format, args);
  va_end(args);
  return text;
}

// ---- layout building ----

struct GeneratedLayout {
  std::string layoutPath;
  std::string stringsPath;
  int elements = 0;
};

// Sections of 8 groups of 3 units; a unit is a button with a handler of two actions and a
// text (5 elements). Every text comes from the string table, which holds `target` entries.
GeneratedLayout Generate(int target) {
  GeneratedLayout g;
  std::string strings = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<StringRoot>\n";
  for (int i = 0; i < target; ++i) strings += Printf("  <String id=\"s.%d\" value=\"Text number %d\"/>\n", i, i);
  strings += "</StringRoot>\n";

  std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LayoutRoot>\n"
                  "<FrameHostWindow id=\"w\" pos=\"0,0\" size=\"1280,720\" center=\"false\" visible=\"false\" title=\"${s.0}\">\n"
                  "<Layout id=\"root\">\n";
  int count = 2, unit = 0;
  for (int section = 0; count < target; ++section) {
    x += Printf("<Layout id=\"sec%d\" pos=\"%d,%d\" size=\"640,360\">\n", section, (section % 2) * 640,
                (section / 2 % 2) * 360);
    ++count;
    for (int group = 0; group < 8 && count < target; ++group) {
      x += Printf(" <Layout id=\"g%d\" pos=\"%d,%d\" size=\"160,180\">\n", group, (group % 4) * 160, (group / 4) * 180);
      ++count;
      for (int u = 0; u < 3 && count < target; ++u, ++unit) {
        const int s = unit % target;
        x += Printf("  <Button id=\"b%d\" pos=\"4,%d\" size=\"100,32\" bitmap=\"button,button.hover\" text=\"yes\" "
                    "text-text=\"${s.%d}\" textcolor=\"255,255,255\" text-alignment=\"center\">\n"
                    "   <EventHandler interest=\"101\">\n"
                    "    <ShowControl windowid=\"owner\" controlid=\"root:sec%d:g%d:t%d\" show=\"show\"/>\n"
                    "    <ShowWindow windowid=\"w\" show=\"show\"/>\n"
                    "   </EventHandler>\n  </Button>\n"
                    "  <Text id=\"t%d\" pos=\"110,%d\" size=\"50,32\" text=\"${s.%d}\" color=\"255,255,255\"/>\n",
                    unit, u * 60, s, section, group, unit, unit, u * 60, (s + 1) % target);
        count += 5;
      }
      x += " </Layout>\n";
    }
    x += "</Layout>\n";
  }
  x += "</Layout>\n</FrameHostWindow>\n</LayoutRoot>\n";
  g.elements = count;
  g.layoutPath = WriteFile(Printf("layout-%d.xml", target), x);
  g.stringsPath = WriteFile(Printf("strings-%d.xml", target), strings);
  return g;
}

int CountElements(const TiXmlNode* node) {
  int n = 0;
  for (const TiXmlElement* e = node->FirstChildElement(); e; e = e->NextSiblingElement()) n += 1 + CountElements(e);
  return n;
}

int RunLayout() {
  const int sizes[] = {100, 1000, 10000};
  double perElement[3] = {};
  for (int k = 0; k < 3; ++k) {
    const GeneratedLayout g = Generate(sizes[k]);
    if (g.layoutPath.empty() || g.stringsPath.empty()) return 1;
    const int runs = sizes[k] >= 10000 ? 9 : 21;
    std::vector<double> krui, floor;
    long long checksum = 0;
    for (int r = -1; r < runs; ++r) {  // run -1 warms the file cache and the heap
      double a = 0, b = 0;
      for (int side = 0; side < 2; ++side) {
        if ((side + r) % 2 == 0) {
          const double t0 = NowMs();
          auto strings = std::make_unique<KRUI::StringTable>();
          auto loader = std::make_unique<KRUI::CLayoutLoader>(*strings);
          const bool ok = strings->Load(g.stringsPath) && loader->Load(g.layoutPath);
          a = NowMs() - t0;
          if (!ok || loader->TopLevelObjects().size() != 1) return 1;
          checksum += static_cast<long long>(loader->TopLevelObjects().size());
        } else {
          const double t0 = NowMs();
          TiXmlDocument strings, layout;
          const bool ok = strings.LoadFile(g.stringsPath.c_str()) && layout.LoadFile(g.layoutPath.c_str());
          b = NowMs() - t0;
          if (!ok) return 1;
          checksum += CountElements(&layout) > 0;
        }
      }
      if (r >= 0) {
        krui.push_back(a);
        floor.push_back(b);
      }
    }
    if (checksum == 0) return 1;
    if (::GetEnvironmentVariableA("KRUI_BENCH_DEBUG", nullptr, 0)) {
      // Where the time goes: the string table alone, the layout alone (its table loaded
      // before), each document's parse alone.
      double st = 0, lb = 0, sp = 0, lp = 0;
      for (int i = 0; i < 5; ++i) {
        double t = NowMs();
        auto table = std::make_unique<KRUI::StringTable>();
        table->Load(g.stringsPath);
        st += NowMs() - t;
        t = NowMs();
        auto layout = std::make_unique<KRUI::CLayoutLoader>(*table);
        layout->Load(g.layoutPath);
        lb += NowMs() - t;
        layout.reset();
        table.reset();
        t = NowMs();
        auto d1 = std::make_unique<TiXmlDocument>();
        d1->LoadFile(g.stringsPath.c_str());
        sp += NowMs() - t;
        t = NowMs();
        auto d2 = std::make_unique<TiXmlDocument>();
        d2->LoadFile(g.layoutPath.c_str());
        lp += NowMs() - t;
      }
      std::fprintf(stderr, "%d: string table %.2f ms (parse %.2f), layout %.2f ms (parse %.2f)\n", sizes[k], st / 5,
                   sp / 5, lb / 5, lp / 5);
    }
    const Summary s = Summarise(krui);
    perElement[k] = s.median * 1000.0 / g.elements;
    Row(Printf("2. Layout building, %d elements, ms (%d runs; %.2f µs per element)", g.elements, runs, perElement[k]),
        Format(s, 2), Format(Summarise(floor), 2), Format(Summarise(Ratios(krui, floor)), 2) + "×", "≤ 2×");
  }
  Row("2. Layout building: cost per element at 10,000 over at 100", Printf("%.2f×", perElement[2] / perElement[0]), "",
      "", "linear (≈ 1×)");

  // The 10,000-element window: creating it (WM_CREATE, WM_SIZE through the tree) and
  // hit-testing it (WM_NCHITTEST walks every control, topmost first).
  const GeneratedLayout g = Generate(10000);
  KRUI::StringTable strings;
  KRUI::CLayoutLoader loader(strings);
  if (!strings.Load(g.stringsPath) || !loader.Load(g.layoutPath)) return 1;
  KRUI::CHostWindow* window = loader.FindTopLevelWindow("w");
  if (!window) return 1;
  double t0 = NowMs();
  HWND hwnd = window->Create(nullptr);
  const double createMs = NowMs() - t0;
  if (!hwnd) return 1;
  PumpPending();
  // Shown: the first paint of all of it, then hit tests on a mapped window.
  t0 = NowMs();
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  ::UpdateWindow(hwnd);
  const double firstPaintMs = NowMs() - t0;
  PumpPending();
  std::vector<double> hit, resize;
  LRESULT answers = 0;
  for (int r = 0; r < 9; ++r) {
    t0 = NowMs();
    for (int i = 0; i < 100; ++i) {
      POINT pt = {(i * 37) % 1280, (i * 53) % 720};
      ::ClientToScreen(hwnd, &pt);
      answers += ::SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    }
    hit.push_back((NowMs() - t0) * 10.0);  // µs per hit test
    t0 = NowMs();
    for (int i = 0; i < 10; ++i) {
      ::SetWindowPos(hwnd, nullptr, 0, 0, 1280 - (i % 2) * 8, 720 - (i % 2) * 8, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
    }
    resize.push_back((NowMs() - t0) / 10.0);
    PumpPending();
  }
  if (answers == 0) return 1;
  Row("2. Window with 10,000 elements: creation, ms", Printf("%.1f", createMs), "", "", "");
  Row("2. Window with 10,000 elements: showing it and its first paint, ms", Printf("%.1f", firstPaintMs), "", "", "");
  Row("2. Window with 10,000 elements: one resize (WM_SIZE through the tree), ms", Format(Summarise(resize), 2), "", "", "");
  Row("2. Window with 10,000 elements: one WM_NCHITTEST, µs", Format(Summarise(hit), 1), "", "", "");
  ::DestroyWindow(hwnd);
  PumpPending();
  return 0;
}

// ---- painting ----

struct DrawItem {
  const KRUI::CBitmap* bitmap;  // or a text
  std::wstring text;
  bool centered;
  RECT rect;
};

// The floor: one window whose paint makes the same memory DC and bitmap, then one GDI+
// graphics, one font, brush and format per look, and a plain loop over the items.
struct Floor {
  std::vector<DrawItem> items;
  Gdiplus::GpFont* font = nullptr;
  Gdiplus::GpSolidFill* brush = nullptr;
  Gdiplus::GpStringFormat* nearFormat = nullptr;
  Gdiplus::GpStringFormat* centerFormat = nullptr;
  long long draws = 0;
};
Floor g_floor;

void PaintFloor(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(hwnd, &ps);
  RECT client;
  ::GetClientRect(hwnd, &client);
  HDC memory = ::CreateCompatibleDC(dc);
  HBITMAP bitmap = ::CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  Gdiplus::GpGraphics* graphics = nullptr;
  if (GdipCreateFromHDC(memory, &graphics) == Gdiplus::Ok) {
    for (const DrawItem& item : g_floor.items) {
      const RECT& r = item.rect;
      if (item.bitmap) {
        if (item.bitmap->Image()) GdipDrawImageRectI(graphics, item.bitmap->Image(), r.left, r.top, r.right - r.left, r.bottom - r.top);
      } else {
        const Gdiplus::RectF layout(static_cast<Gdiplus::REAL>(r.left), static_cast<Gdiplus::REAL>(r.top),
                                    static_cast<Gdiplus::REAL>(r.right - r.left), static_cast<Gdiplus::REAL>(r.bottom - r.top));
        GdipDrawString(graphics, item.text.c_str(), static_cast<INT>(item.text.size()), g_floor.font, &layout,
                       item.centered ? g_floor.centerFormat : g_floor.nearFormat, g_floor.brush);
      }
      ++g_floor.draws;
    }
    GdipDeleteGraphics(graphics);
  }
  ::BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::EndPaint(hwnd, &ps);
}

LRESULT CALLBACK FloorProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PaintFloor(hwnd);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

int RunPaint(const std::string& demo) {
  KRUI::BitmapTable& bitmaps = KRUI::BitmapTable::Instance();
  if (!bitmaps.Load(demo + "\\layout\\bitmap.xml")) return 1;
  const KRUI::CBitmap* background = bitmaps.LookupBitmap("background");
  const char* cells[] = {"close", "min", "settings", "news", "logo", "dot"};

  std::string x = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LayoutRoot>\n"
                  "<FrameHostWindow id=\"paint\" pos=\"0,0\" size=\"1280,720\" center=\"false\" visible=\"false\">\n"
                  "<Layout id=\"root\">\n<Image id=\"bg\" bitmap=\"background\"/>\n";
  g_floor.items.push_back({background, L"", false, {0, 0, 1280, 720}});
  int images = 0, texts = 0, buttons = 0;
  for (int i = 0; i < 200; ++i) {
    const int cx = (i % 20) * 64, cy = (i / 20) * 72;
    switch (i % 3) {
      case 0: {
        const char* cell = cells[i % 6];
        x += Printf("<Image id=\"i%d\" pos=\"%d,%d\" size=\"32,32\" bitmap=\"%s\"/>\n", i, cx + 16, cy + 8, cell);
        g_floor.items.push_back({bitmaps.LookupBitmap(cell), L"", false, {cx + 16, cy + 8, cx + 48, cy + 40}});
        ++images;
        break;
      }
      case 1:
        x += Printf("<Text id=\"t%d\" pos=\"%d,%d\" size=\"64,24\" text=\"Item %d\" color=\"255,255,255\" height=\"14\"/>\n",
                    i, cx, cy + 44, i);
        g_floor.items.push_back({nullptr, L"Item " + std::to_wstring(i), false, {cx, cy + 44, cx + 64, cy + 68}});
        ++texts;
        break;
      default:
        x += Printf("<Button id=\"b%d\" pos=\"%d,%d\" size=\"60,32\" bitmap=\"button,button.hover\" text=\"yes\" "
                    "text-text=\"Go %d\" textcolor=\"255,255,255\" text-alignment=\"center\" text-valignment=\"center\" "
                    "text-height=\"14\"/>\n", i, cx + 2, cy + 20, i);
        g_floor.items.push_back({bitmaps.LookupBitmap("button"), L"", false, {cx + 2, cy + 20, cx + 62, cy + 52}});
        g_floor.items.push_back({nullptr, L"Go " + std::to_wstring(i), true, {cx + 2, cy + 20, cx + 62, cy + 52}});
        ++buttons;
        break;
    }
  }
  x += "</Layout>\n</FrameHostWindow>\n</LayoutRoot>\n";
  const std::string layoutPath = WriteFile("paint.xml", x);
  KRUI::StringTable strings;
  KRUI::CLayoutLoader loader(strings);
  if (!loader.Load(layoutPath)) return 1;
  KRUI::CHostWindow* window = loader.FindTopLevelWindow("paint");
  HWND krui = window ? window->Create(nullptr) : nullptr;
  if (!krui) return 1;

  // The floor's resources, made once: what the text controls ask for (the default GUI font
  // at height 14, white, near or centred).
  HDC screen = ::GetDC(nullptr);
  LOGFONTW logfont = {};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(logfont), &logfont);
  logfont.lfHeight = 14;
  GdipCreateFontFromLogfontW(screen, &logfont, &g_floor.font);
  ::ReleaseDC(nullptr, screen);
  GdipCreateSolidFill(0xFFFFFFFF, &g_floor.brush);
  GdipCreateStringFormat(0, LANG_NEUTRAL, &g_floor.nearFormat);
  GdipCreateStringFormat(0, LANG_NEUTRAL, &g_floor.centerFormat);
  GdipSetStringFormatAlign(g_floor.centerFormat, Gdiplus::StringAlignmentCenter);
  GdipSetStringFormatLineAlign(g_floor.centerFormat, Gdiplus::StringAlignmentCenter);
  if (!g_floor.font || !g_floor.brush) return 1;

  WNDCLASSEXW wc = {sizeof(wc)};
  wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  wc.lpfnWndProc = FloorProc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"KRUIBenchPaintFloor";
  ::RegisterClassExW(&wc);
  HWND bare = ::CreateWindowExW(0, wc.lpszClassName, L"floor", WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 1280,
                                720, nullptr, nullptr, wc.hInstance, nullptr);
  if (!bare) return 1;

  // Only the window being measured is shown: a covered window would blit less.
  auto showOnly = [&](HWND shown, HWND hidden) {
    ::ShowWindow(hidden, SW_HIDE);
    ::SetWindowPos(shown, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    ::UpdateWindow(shown);
    PumpPending();
  };
  const int frames = 10, runs = 15;
  std::vector<double> a, b;
  for (int r = -1; r < runs; ++r) {
    double ta = 0, tb = 0;
    for (int side = 0; side < 2; ++side) {
      const bool kruiSide = (side + r) % 2 == 0;
      HWND hwnd = kruiSide ? krui : bare;
      showOnly(hwnd, kruiSide ? bare : krui);
      const double t0 = NowMs();
      for (int f = 0; f < frames; ++f) {
        ::InvalidateRect(hwnd, nullptr, FALSE);
        ::UpdateWindow(hwnd);
      }
      (kruiSide ? ta : tb) = (NowMs() - t0) / frames;
    }
    if (r >= 0) {
      a.push_back(ta);
      b.push_back(tb);
    }
  }
  if (g_floor.draws == 0) return 1;
  Row(Printf("3. Painting 1280×720, %d controls (%d images, %d texts, %d buttons), ms per frame (%d runs of %d frames)",
             images + texts + buttons, images, texts, buttons, runs, frames),
      Format(Summarise(a), 2), Format(Summarise(b), 2), Format(Summarise(Ratios(a, b)), 2) + "×", "≤ 1.5×");
  ::DestroyWindow(bare);
  ::DestroyWindow(krui);
  PumpPending();
  return 0;
}

// ---- dispatch ----

// Does nothing but count, so the loop's work is used.
class CCountingAction : public KRUI::CAction {
 public:
  KRUI::ActionResult Execute(KRUI::CEventx& event) override {
    ++event.result;
    return KRUI::ActionResult::Continue;
  }
};

int RunDispatch() {
  KRUI::CLayoutControl sender;
  std::vector<std::unique_ptr<KRUI::CEventxHandler>> handlers;
  std::vector<std::unique_ptr<CCountingAction>> actions;
  for (int i = 0; i < 50; ++i) {
    handlers.emplace_back(new KRUI::CEventxHandler());
    handlers.back()->LoadAttributes({{"interest", std::to_string(i % 10 == 0 ? 101 : 200 + i)}});
    for (int k = 0; k < 3; ++k) {
      actions.emplace_back(new CCountingAction());
      handlers.back()->AddAction(actions.back().get());
    }
    sender.AddHandler(handlers.back().get());
  }
  const int events = 1000000;
  std::vector<double> rates;
  for (int r = 0; r < 7; ++r) {
    long long executed = 0;
    const double t0 = NowMs();
    for (int i = 0; i < events; ++i) executed += sender.RaiseEvent(&sender, 101);
    const double ms = NowMs() - t0;
    if (executed != 15LL * events) return 1;
    rates.push_back(events / ms / 1000.0);  // millions per second
  }
  Row("4. Dispatch: 50 handlers, 5 matching, 3 no-op actions each, 10⁶ events/s (7 runs)", Format(Summarise(rates), 2),
      "", "", "≥ 1");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: krui_bench layout|paint DEMO | dispatch\n");
    return 2;
  }
  const std::string what = argv[1];
  const std::string demo = argc > 2 ? argv[2] : "";
  char temp[MAX_PATH];
  ::GetTempPathA(MAX_PATH, temp);
  g_folder = Printf("%skrui-bench-%lu", temp, ::GetCurrentProcessId());
  ::CreateDirectoryA(g_folder.c_str(), nullptr);

  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) return 3;
  int status = 2;
  if (what == "layout") status = RunLayout();
  if (what == "paint" && !demo.empty()) status = RunPaint(demo);
  if (what == "dispatch") status = RunDispatch();
  if (status == 1) std::fprintf(stderr, "krui_bench %s: failed\n", what.c_str());

  // The files go; the runtime's objects live until the process ends, like the launcher's.
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((g_folder + "\\*.xml").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      ::DeleteFileA((g_folder + "\\" + data.cFileName).c_str());
    } while (::FindNextFileA(find, &data));
    ::FindClose(find);
  }
  ::RemoveDirectoryA(g_folder.c_str());
  ::ExitProcess(status);
}
