#include "LintReport.h"

namespace KRUI {

void LintReport::Add(Severity severity, const std::string& file, int line, const std::string& text) {
  (severity == kError ? errors_ : warnings_)++;
  if (lines_.size() >= kMessageLimit) {
    ++dropped_;
    return;
  }
  std::string out = file;
  if (line > 0) out += ":" + std::to_string(line);
  out += severity == kError ? ": error: " : ": warning: ";
  out += text;
  lines_.push_back(out);
}

std::string LintReport::Text() const {
  std::string out;
  for (const auto& line : lines_) out += line + "\n";
  if (dropped_) out += "krui-lint: " + std::to_string(dropped_) + " more messages not shown\n";
  out += "krui-lint: " + std::to_string(errors_) + (errors_ == 1 ? " error, " : " errors, ") +
         std::to_string(warnings_) + (warnings_ == 1 ? " warning\n" : " warnings\n");
  return out;
}

}  // namespace KRUI
