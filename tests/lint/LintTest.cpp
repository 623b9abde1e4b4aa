#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "GameLinter.h"
#include "LintReport.h"
#include "ReferenceWriter.h"
#include "support/Bmp.h"
#include "support/TempDir.h"
#include "ui/core/StringTable.h"

using namespace KRUI;

namespace {

const char kStringsXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<StringRoot>\n"
    "  <String id=\"title\" value=\"Game\"/>\n"
    "</StringRoot>\n";

const char kBitmapXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<BitmapRoot rootdir=\"..\\image\">\n"
    "  <Bitmap id=\"bg\" file=\"bg.bmp\"/>\n"
    "</BitmapRoot>\n";

const char kLayoutXml[] =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<LayoutRoot>\n"
    "  <FrameHostWindow id=\"main\" size=\"200,100\" title=\"${title}\" active=\"true\">\n"
    "    <Layout id=\"root\">\n"
    "      <Image id=\"bg\" bitmap=\"bg\"/>\n"
    "      <Button id=\"ok\" pos=\"10,10\" size=\"50,20\">\n"
    "        <EventHandler interest=\"101\">\n"
    "          <ShowWindow windowid=\"owner\" show=\"close\"/>\n"
    "        </EventHandler>\n"
    "      </Button>\n"
    "    </Layout>\n"
    "  </FrameHostWindow>\n"
    "</LayoutRoot>\n";

// The last handler's action and the end of the window, for mistakes that add a window.
const char kLastHandler[] =
    "<ShowWindow windowid=\"owner\" show=\"close\"/>\n        </EventHandler>\n      </Button>\n    </Layout>\n"
    "  </FrameHostWindow>\n";

struct Mistake {
  const char* name;
  const char* document;  // which file the edit is made in
  const char* from;
  const char* to;
  const char* expected;  // the one line the linter must print; empty for none
};

// One typo each, and the exact line that explains it.
const Mistake kMistakes[] = {
    {"clean", "layout/layout.xml", "", "", ""},
    {"malformed", "layout/layout.xml", "</Button>", "</Buton>",
     "layout/layout.xml:10: error: malformed XML at column 7: Error reading end tag."},
    {"unknown element", "layout/layout.xml", "<Image id", "<Imag id",
     "layout/layout.xml:5: error: unknown element 'Imag' (did you mean 'Image'?): it is skipped with everything "
     "inside it"},
    {"unknown attribute", "layout/layout.xml", "bitmap=\"bg\"", "bitmpa=\"bg\"",
     "layout/layout.xml:5: error: unknown attribute 'bitmpa' of Image (did you mean 'bitmap'?): it is ignored"},
    {"string reference", "layout/layout.xml", "${title}", "${titel}",
     "layout/layout.xml:3: error: ${titel} names no string of layout/strings.xml: it comes out empty"},
    {"bitmap id", "layout/layout.xml", "bitmap=\"bg\"", "bitmap=\"bkg\"",
     "layout/layout.xml:5: error: bitmap 'bkg' is in no bitmap table: it draws nothing"},
    {"image file", "layout/bitmap.xml", "bg.bmp", "gone.bmp",
     "layout/bitmap.xml:3: error: image file 'gone.bmp' not found: it draws nothing"},
    {"window reference", "layout/layout.xml", "windowid=\"owner\"", "windowid=\"mian\"",
     "layout/layout.xml:8: error: 'windowid' 'mian' names no window: the action does nothing"},
    {"desktop is no window", "layout/layout.xml", "windowid=\"owner\"", "windowid=\"desktop\"",
     "layout/layout.xml:8: error: 'windowid' 'desktop' names no window: the action does nothing"},
    {"browser action without window", "layout/layout.xml", "<ShowWindow windowid=\"owner\" show=\"close\"/>",
     "<WBNavigate windowid=\"\" wbid=\"root\" url=\"about:blank\"/>",
     "layout/layout.xml:8: error: 'windowid' is empty: the action does nothing"},
    {"face too long to be used", "layout/layout.xml", "<Image id=\"bg\" bitmap=\"bg\"/>",
     "<Text id=\"t\" face=\"An Extraordinarily Long Font Family\"/>",
     "layout/layout.xml:5: error: 'face' is 35 characters long: the runtime ignores one longer than 31"},
    {"plain window id", "layout/layout.xml", "<ShowWindow windowid=\"owner\" show=\"close\"/>",
     "<SendMessage windowid=\"owner\" message=\"16\"/>",
     "layout/layout.xml:8: error: 'windowid' 'owner' names no window: the action does nothing (here \"owner\" is an "
     "id, not the window holding it)"},
    {"control path", "layout/layout.xml", "<ShowWindow windowid=\"owner\" show=\"close\"/>",
     "<ShowControl controlid=\"root:okay\" show=\"hide\"/>",
     "layout/layout.xml:8: error: 'controlid' 'root:okay' names no control of window 'main': the action does "
     "nothing"},
    {"no active window", "layout/layout.xml", " active=\"true\"", "",
     "layout/layout.xml:2: error: no window is marked active=\"true\": the launcher opens nothing"},
    {"flag", "layout/layout.xml", "bitmap=\"bg\"/>", "bitmap=\"bg\" visible=\"yes\"/>",
     "layout/layout.xml:5: warning: 'visible' is 'yes': only \"true\" sets it, anything else clears it"},
    {"pair", "layout/layout.xml", "size=\"200,100\"", "size=\"200 100\"",
     "layout/layout.xml:3: error: 'size' is '200 100', not two numbers \"x,y\": it is ignored"},
    {"interest", "layout/layout.xml", "interest=\"101\"", "interest=\"105\"",
     "layout/layout.xml:7: warning: Button never raises event 105: this handler never runs"},
    {"action outside a handler", "layout/layout.xml",
     "<EventHandler interest=\"101\">\n          <ShowWindow windowid=\"owner\" show=\"close\"/>\n        </EventHandler>",
     "<ShowWindow windowid=\"owner\" show=\"close\"/>",
     "layout/layout.xml:7: error: an action (ShowWindow) inside a control (Button) is never used"},
    {"string defined twice", "layout/strings.xml", "</StringRoot>", "  <String id=\"title\" value=\"Other\"/>\n</StringRoot>",
     "layout/strings.xml:4: warning: string 'title' is defined again; the first (line 3) wins"},
    {"forward reference", "layout/strings.xml", "value=\"Game\"/>",
     "value=\"${name}\"/>\n  <String id=\"name\" value=\"Game\"/>",
     "layout/strings.xml:3: error: ${name} refers to a string defined later (line 4): it comes out empty"},
    {"caption without text", "layout/layout.xml", "size=\"50,20\">", "size=\"50,20\" text-text=\"OK\">",
     "layout/layout.xml:6: warning: 'text-text' has no effect: Button makes its caption only with a 'text' attribute"},
    {"caption in 'text'", "layout/layout.xml", "size=\"50,20\">", "size=\"50,20\" text=\"Start\">",
     "layout/layout.xml:6: error: 'text' is 'Start', but a Button's caption shows only 'text-text': the caption is empty"},
    {"message box on a frame", "layout/layout.xml", "<ShowWindow windowid=\"owner\" show=\"close\"/>",
     "<ShowMessagebox windowid=\"main\" title=\"${title}\"/>",
     "layout/layout.xml:8: error: ShowMessagebox's window 'main' is a FrameHostWindow, not a PopupHostDialog: nothing is "
     "asked and the handler stops"},
    {"message box without its controls", "layout/layout.xml",
     "<ShowWindow windowid=\"owner\" show=\"close\"/>\n        </EventHandler>\n      </Button>\n    </Layout>\n"
     "  </FrameHostWindow>\n",
     "<ShowMessagebox windowid=\"ask\" message=\"Quit?\"/>\n        </EventHandler>\n      </Button>\n    </Layout>\n"
     "  </FrameHostWindow>\n  <PopupHostDialog id=\"ask\"><Layout><Text id=\"msgbox.title\"/></Layout></PopupHostDialog>\n",
     "layout/layout.xml:8: error: dialog 'ask' has no Text 'msgbox.message' directly under its root: ShowMessagebox's "
     "'message' is not shown"},
    {"control id twice", "layout/layout.xml", "<Button id=\"ok\"", "<Button id=\"bg\"",
     "layout/layout.xml:6: warning: control id 'bg' is used again in its parent; paths find the first (line 5)"},
    {"unclosed element", "layout/layout.xml", "      </Button>\n", "",
     "layout/layout.xml:6: error: malformed XML: <Button> is never closed (the parser stops at line 10, column 5: "
     "Error reading end tag.)"},
    {"sub-component", "layout/layout.xml", kLastHandler,
     "<ShowComponent windowid=\"tray\" componentid=\"item\" show=\"show\"/>\n        </EventHandler>\n      </Button>\n"
     "    </Layout>\n  </FrameHostWindow>\n  <Win32ComponentHostWindow id=\"tray\">\n    <Win32ContextMenu id=\"menu\">"
     "<Win32MenuItem id=\"item\"/></Win32ContextMenu>\n  </Win32ComponentHostWindow>\n",
     "layout/layout.xml:8: error: 'componentid' 'item' names no component of window 'tray': the action does nothing"},
    {"owner of a component's event", "layout/layout.xml", kLastHandler,
     "<ShowWindow windowid=\"owner\" show=\"close\"/>\n        </EventHandler>\n      </Button>\n    </Layout>\n"
     "  </FrameHostWindow>\n  <Win32ComponentHostWindow id=\"tray\">\n    <Win32TrayIcon id=\"icon\">"
     "<EventHandler interest=\"102\"><ShowWindow windowid=\"owner\" show=\"show\"/></EventHandler></Win32TrayIcon>\n"
     "  </Win32ComponentHostWindow>\n",
     "layout/layout.xml:14: error: 'windowid' 'owner' names no window: the events of Win32TrayIcon have no owner "
     "window, so the action does nothing"},
    {"limit", "layout/layout.xml", "pos=\"10,10\"",
     "pos=\"10,10                                                               \"",
     "layout/layout.xml:6: error: 'pos' is 68 characters long: the runtime reads at most 63"},
};

class GameFolder {
 public:
  GameFolder() {
    dir_.Write("layout/strings.xml", kStringsXml);
    dir_.Write("layout/bitmap.xml", kBitmapXml);
    dir_.Write("layout/layout.xml", kLayoutXml);
    dir_.Write("image/bg.bmp", KRUITest::MakeBmp(8, 8, [](int, int) { return 0x336699u; }));
  }
  // Replaces the first `from` in a document; false when it is not there.
  bool Edit(const std::string& document, const std::string& from, const std::string& to) {
    std::string text = KRUITest::ReadFileBytes(dir_.File(document));
    const size_t at = text.find(from);
    if (at == std::string::npos) return false;
    text.replace(at, from.size(), to);
    dir_.Write(document, text);
    return true;
  }
  std::vector<std::string> Lint(LintReport& report) const {
    GameLinter(report).Run(dir_.Path());
    return report.Lines();
  }
  const KRUITest::TempDir& Dir() const { return dir_; }

 private:
  KRUITest::TempDir dir_;
};

}  // namespace

TEST(Lint, EachMistakeGivesItsOneLine) {
  for (const Mistake& mistake : kMistakes) {
    SCOPED_TRACE(mistake.name);
    GameFolder folder;
    ASSERT_TRUE(folder.Edit(mistake.document, mistake.from, mistake.to));
    LintReport report;
    const auto lines = folder.Lint(report);
    const std::vector<std::string> expected =
        *mistake.expected ? std::vector<std::string>{mistake.expected} : std::vector<std::string>{};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(report.Errors(), std::string(mistake.expected).find(": error: ") != std::string::npos ? 1u : 0u);
  }
}

TEST(Lint, AReferenceToNoStringComesOutEmptyAsTheRuntimeExpandsIt) {
  GameFolder folder;
  ASSERT_TRUE(folder.Edit("layout/layout.xml", "${title}", "${nothere}!"));
  LintReport report;
  EXPECT_EQ(folder.Lint(report), std::vector<std::string>{"layout/layout.xml:3: error: ${nothere} names no string of "
                                                          "layout/strings.xml: it comes out empty"});
  StringTable runtime;
  ASSERT_TRUE(runtime.Load(folder.Dir().File("layout/strings.xml")));
  EXPECT_EQ("!", runtime.ExpandString("${nothere}!"));
}

// A document that cannot be read is one error and one count of the references into it,
// not an error for each of them.
TEST(Lint, AnUnreadableDocumentIsOneErrorAndACount) {
  struct Case {
    const char* name;
    const char* document;
    const char* from;
    const char* to;
    std::vector<std::string> expected;
  } const cases[] = {
      {"strings", "layout/strings.xml", "</StringRoot>", "</StringRot>",
       {"layout/strings.xml:4: error: malformed XML at column 1: Error reading end tag.",
        "layout/strings.xml:4: note: 1 string reference not checked because layout/strings.xml could not be read"}},
      {"bitmaps", "layout/bitmap.xml", "</BitmapRoot>\n", "",
       {"layout/bitmap.xml:2: error: malformed XML: <BitmapRoot> is never closed (the parser stops at line 4, column 1: "
        "Error reading end tag.)",
        "layout/bitmap.xml:2: note: 1 bitmap reference not checked because layout/bitmap.xml could not be read"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFolder folder;
    ASSERT_TRUE(folder.Edit(c.document, c.from, c.to));
    LintReport report;
    EXPECT_EQ(folder.Lint(report), c.expected);
    EXPECT_EQ(report.Errors(), 1u);
  }
}

TEST(Lint, UnreadableImageAndMissingDocument) {
  GameFolder folder;
  folder.Dir().Write("image/bg.bmp", "not a picture");
  LintReport report;
  EXPECT_EQ(folder.Lint(report), std::vector<std::string>{
                                     "layout/bitmap.xml:3: error: image file 'bg.bmp' cannot be read: it draws nothing"});
  GameFolder empty;
  ::DeleteFileA(empty.Dir().File("layout/layout.xml").c_str());
  LintReport second;
  EXPECT_EQ(empty.Lint(second), std::vector<std::string>{
                                    "layout/layout.xml: error: missing: the launcher does not start without it"});
}

TEST(Lint, OutputIsBoundedAndTheRestCounted) {
  GameFolder folder;
  std::string many;
  for (int i = 0; i < 300; ++i) many += "      <Imag/>\n";
  ASSERT_TRUE(folder.Edit("layout/layout.xml", "      <Image id=\"bg\" bitmap=\"bg\"/>\n", many));
  LintReport report;
  const auto lines = folder.Lint(report);
  ASSERT_EQ(lines.size(), kMessageLimit);
  EXPECT_EQ(report.Errors(), 300u);
  const std::string text = report.Text();
  EXPECT_NE(text.find("\nkrui-lint: 100 more messages not shown\nkrui-lint: 300 errors, 0 warnings\n"), std::string::npos);
}

TEST(Lint, DemoInstallationHasNoErrors) {
  const char* demo = std::getenv("KRUI_DEMO_SOURCE");
  ASSERT_NE(demo, nullptr);
  std::string path = demo;
  for (char& c : path)
    if (c == '/') c = '\\';
  if (!path.empty() && path[0] == '\\') path = "Z:" + path;
  LintReport report;
  GameLinter(report).Run(path);
  EXPECT_EQ(report.Errors(), 0u) << report.Text();
}

TEST(Lint, CommittedReferenceIsCurrent) {
  const char* source = std::getenv("KRUI_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  std::string path = std::string(source) + "/docs/layout-reference.md";
  for (char& c : path)
    if (c == '/') c = '\\';
  if (path[0] == '\\') path = "Z:" + path;
  EXPECT_EQ(KRUITest::ReadFileBytes(path), ReferenceWriter::Markdown())
      << "docs/layout-reference.md is stale: run scripts/lint --reference > docs/layout-reference.md";
}

TEST(Lint, DeepDocumentsAndHotkeyTexts) {
  struct Case {
    const char* name;
    int depth;  // Layout elements nested below the window's root, all on line 5
    const char* conf;
    std::vector<std::string> expected;
  } const cases[] = {
      {"too deep to build", 70, nullptr,
       {"layout/layout.xml:5: error: nested deeper than 64 levels: 'Layout' is skipped with everything inside it"}},
      {"too deep to parse", 1100, nullptr,
       {"layout/layout.xml: error: nested deeper than 1024 levels: the launcher refuses the document"}},
      {"hotkey text without a key", 0, "[hotkey]\r\ntoggle=ctrl_alt\r\n",
       {"conf.dat: error: [hotkey] toggle=ctrl_alt: the hotkey text names no key (a key is its decimal code: ctrl_alt_71 "
        "is Ctrl+Alt+G)"}},
      {"hotkey text with a letter", 0, "[hotkey]\r\ntoggle=Ctrl+Alt+g\r\n",
       {"conf.dat: error: [hotkey] toggle=Ctrl+Alt+g: the hotkey text names no key (a key is its decimal code: write "
        "ctrl_alt_71)"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    GameFolder folder;
    std::string nested;
    for (int i = 0; i < c.depth; ++i) nested += "<Layout>";
    for (int i = 0; i < c.depth; ++i) nested += "</Layout>";
    nested += "\n";
    if (c.conf) {
      folder.Dir().Write("conf.dat", c.conf);
      nested += "    </Layout>\n  </FrameHostWindow>\n  <Win32ComponentHostWindow id=\"tray\">\n"
                "    <Win32Hotkey config-group=\"hotkey\" config-key=\"toggle\"/>\n  </Win32ComponentHostWindow>\n"
                "  <FrameHostWindow id=\"spare\" size=\"10,10\">\n    <Layout id=\"root\">\n";
    }
    ASSERT_TRUE(folder.Edit("layout/layout.xml", "      <Image id=\"bg\" bitmap=\"bg\"/>\n", "      " + nested));
    LintReport report;
    EXPECT_EQ(folder.Lint(report), c.expected);
  }
}
