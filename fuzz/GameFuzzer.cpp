// A game folder as one input: layout/strings.xml, layout/bitmap.xml, layout/bitmap2.xml,
// layout/layout.xml and conf.dat, in that order, separated by 0x1E (a part the input does
// not reach is a missing file). The folder is loaded as the launcher loads it (the string
// table, both bitmap tables, every element of the layout built without a window), then the
// linter runs over the same folder. Both must come through every folder; and a folder the
// launcher refuses to start with is one the linter reports an error for.
#include <windows.h>

#include <new>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "GameLinter.h"
#include "LintReport.h"
#include "support/TempDir.h"
#include "ui/core/BitmapTable.h"
#include "ui/core/Handles.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"

namespace {

const char* const kFiles[] = {"layout\\strings.xml", "layout\\bitmap.xml", "layout\\bitmap2.xml", "layout\\layout.xml",
                              "conf.dat"};

// The installation: the documents of one input, and images under the names the demo's
// tables use (the seeds come from it), each a sheet large enough for its cells.
const KRUITest::TempDir& Installation() {
  static const KRUITest::TempDir* folder = [] {
    auto* dir = new KRUITest::TempDir();
    const std::string sheet = KRUIFuzz::MakeBmp(320, 160);
    for (const char* name : {"background.png", "sprites.png", "dialog-380.png", "dialog-440.png", "image.bmp"}) {
      dir->Write(std::string("image\\") + name, sheet);
    }
    return dir;
  }();
  return *folder;
}

// The process's bitmap table emptied: elements look their pictures up in it while they read
// their attributes, as in the launcher.
void ResetBitmapTable() {
  KRUI::BitmapTable& table = KRUI::BitmapTable::Instance();
  table.~BitmapTable();
  new (&table) KRUI::BitmapTable();
}

// What the launcher does with the folder; false when it would show its error box.
bool LoadAsLauncher(const KRUITest::TempDir& folder) {
  KRUI::StringTable strings;
  bool loaded = strings.Load(folder.File(kFiles[0])) && KRUI::BitmapTable::Instance().Load(folder.File(kFiles[1]));
  if (loaded) {
    KRUI::BitmapTable::Instance().Load(folder.File(kFiles[2]));
    KRUI::CLayoutLoader loader(strings);
    loaded = loader.Load(folder.File(kFiles[3]));
  }
  ResetBitmapTable();
  return loaded;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static KRUI::GdiplusScope* gdiplus = new KRUI::GdiplusScope();
  (void)gdiplus;
  const KRUITest::TempDir& folder = Installation();
  std::vector<bool> present;
  const std::vector<std::string> parts = KRUIFuzz::SplitParts(data, size, 5, &present);
  for (size_t i = 0; i < parts.size(); ++i) {
    if (present[i]) {
      folder.Write(kFiles[i], parts[i]);
    } else {
      ::DeleteFileA(folder.File(kFiles[i]).c_str());
    }
  }

  const bool started = LoadAsLauncher(folder);
  KRUI::LintReport report;
  KRUI::GameLinter(report).Run(folder.Path());
  KRUI_FUZZ_CHECK("game", started || report.Errors() > 0,
                  "the launcher refuses the folder but the linter reports no error:\n" + report.Text());
  return 0;
}
