// krui-lint GAME_FOLDER      checks a game folder; exit 1 when it has errors
// krui-lint --reference      prints the layout vocabulary reference (Markdown)
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "GameLinter.h"
#include "LintReport.h"
#include "ReferenceWriter.h"

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
    if (argc != 2 || first.empty() || first[0] == '-') {
      std::fprintf(stderr, "usage: krui-lint GAME_FOLDER | krui-lint --reference\n");
      return 2;
    }
    KRUI::LintReport report;
    KRUI::GameLinter(report).Run(first);
    const std::string text = report.Text();
    std::fwrite(text.data(), 1, text.size(), stdout);
    return report.Errors() ? 1 : 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "krui-lint: %s\n", e.what());
    return 3;
  }
}
