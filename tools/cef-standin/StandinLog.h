// What the stand-in was given, as UTF-8 lines "event.key=value" appended to the file named
// by KRUI_CEF_STANDIN_LOG (nothing is written without it). Tests read it back.
#pragma once
#include <mutex>
#include <string>

namespace CefStandin {

class CStandinLog {
 public:
  static CStandinLog& Instance();

  void Write(const std::string& event, const std::string& key, const std::wstring& value);
  void Write(const std::string& event, const std::string& key, long long value);

 private:
  CStandinLog();
  void Append(const std::string& line);

  std::wstring path_;
  std::mutex mutex_;
};

std::string ToUtf8(const std::wstring& text);

}  // namespace CefStandin
