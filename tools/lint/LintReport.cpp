#include "LintReport.h"

#include <algorithm>

namespace KRUI {

void LintReport::Add(Severity severity, const std::string& file, int line, const std::string& text) {
  if (severity == kError) ++errors_;
  if (severity == kWarning) ++warnings_;
  if (messages_.size() >= kMessageLimit) {
    ++dropped_;
    return;
  }
  std::string out = file;
  if (line > 0) out += ":" + std::to_string(line);
  out += severity == kError ? ": error: " : severity == kWarning ? ": warning: " : ": note: ";
  out += text;
  size_t order = std::find(files_.begin(), files_.end(), file) - files_.begin();
  if (order == files_.size()) files_.push_back(file);
  messages_.push_back({order, line, out});
}

std::vector<std::string> LintReport::Lines() const {
  std::vector<Message> sorted = messages_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Message& a, const Message& b) {
    return a.fileOrder != b.fileOrder ? a.fileOrder < b.fileOrder : a.line < b.line;
  });
  std::vector<std::string> lines;
  for (const auto& message : sorted) lines.push_back(message.text);
  return lines;
}

std::string LintReport::Text() const {
  std::string out;
  for (const auto& line : Lines()) out += line + "\n";
  if (dropped_) out += "krui-lint: " + std::to_string(dropped_) + " more messages not shown\n";
  out += "krui-lint: " + std::to_string(errors_) + (errors_ == 1 ? " error, " : " errors, ") +
         std::to_string(warnings_) + (warnings_ == 1 ? " warning\n" : " warnings\n");
  return out;
}

}  // namespace KRUI
