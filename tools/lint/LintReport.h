// The linter's messages, GCC style ("layout/layout.xml:12: error: ..."), one line each, in
// the order found. At most kMessageLimit are kept; the rest are only counted.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace KRUI {

constexpr size_t kMessageLimit = 200;

class LintReport {
 public:
  // A note adds to the message before it (a count of what that failure left unchecked)
  // and is neither an error nor a warning.
  enum Severity { kError, kWarning, kNote };

  void Add(Severity severity, const std::string& file, int line, const std::string& text);
  void Error(const std::string& file, int line, const std::string& text) { Add(kError, file, line, text); }
  void Warning(const std::string& file, int line, const std::string& text) { Add(kWarning, file, line, text); }
  void Note(const std::string& file, int line, const std::string& text) { Add(kNote, file, line, text); }

  size_t Errors() const { return errors_; }
  size_t Warnings() const { return warnings_; }
  // The kept lines, then a line counting those left out, then the totals.
  std::string Text() const;
  // The kept messages, each file's in line order, files in the order first reported.
  std::vector<std::string> Lines() const;

 private:
  struct Message {
    size_t fileOrder;
    int line;
    std::string text;
  };
  std::vector<Message> messages_;
  std::vector<std::string> files_;
  size_t errors_ = 0;
  size_t warnings_ = 0;
  size_t dropped_ = 0;
};

}  // namespace KRUI
