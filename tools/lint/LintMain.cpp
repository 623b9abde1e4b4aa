// krui-lint GAME_FOLDER          checks a game folder; exit 1 when it has errors
// krui-lint --files GAME_FOLDER  the same check on stderr, and on stdout the files the
//                                documents name, relative to the folder (UTF-8, "/")
// krui-lint --reference          prints the layout vocabulary reference (Markdown)
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "GameLinter.h"
#include "LintReport.h"
#include "ReferenceWriter.h"
#include "ui/core/Encoding.h"

namespace {

// The files a package must carry beside the documents; one outside the folder is an error,
// since an installation made from the folder cannot hold it where the documents look.
bool PrintNamedFiles(const std::string& folder, const KRUI::GameLinter& linter) {
  std::string prefix = folder;
  while (!prefix.empty() && prefix.back() == '\\') prefix.pop_back();
  prefix += '\\';
  bool inside = true;
  for (const std::string& path : linter.NamedFiles()) {
    if (path.size() <= prefix.size() || _strnicmp(path.c_str(), prefix.c_str(), prefix.size()) != 0) {
      std::fprintf(stderr, "krui-lint: %s is outside the game folder\n", KRUI::AnsiToUtf8(path).c_str());
      inside = false;
      continue;
    }
    std::string relative = KRUI::AnsiToUtf8(path.substr(prefix.size()));
    for (char& c : relative)
      if (c == '\\') c = '/';
    std::printf("%s\n", relative.c_str());
  }
  return inside;
}

}  // namespace

int main(int argc, char** argv) {
  // The same bytes as the committed reference: no CR added before each LF.
  _setmode(_fileno(stdout), _O_BINARY);
  try {
    const std::string first = argc > 1 ? argv[1] : "";
    if (first == "--reference") {
      const std::string text = KRUI::ReferenceWriter::Markdown();
      std::fwrite(text.data(), 1, text.size(), stdout);
      return 0;
    }
    const bool files = first == "--files";
    const std::string folder = files && argc == 3 ? argv[2] : first;
    if (argc != (files ? 3 : 2) || folder.empty() || folder[0] == '-') {
      std::fprintf(stderr, "usage: krui-lint [--files] GAME_FOLDER | krui-lint --reference\n");
      return 2;
    }
    KRUI::LintReport report;
    KRUI::GameLinter linter(report);
    linter.Run(folder);
    const std::string text = report.Text();
    std::fwrite(text.data(), 1, text.size(), files ? stderr : stdout);
    const bool inside = !files || PrintNamedFiles(folder, linter);
    return report.Errors() || !inside ? 1 : 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "krui-lint: %s\n", e.what());
    return 3;
  }
}
