#include "StandinLog.h"

#include <windows.h>

#include "ui/core/Handles.h"

namespace CefStandin {

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                nullptr);
  if (n <= 0) return std::string();
  std::string out(static_cast<size_t>(n), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &out[0], n, nullptr, nullptr);
  return out;
}

CStandinLog& CStandinLog::Instance() {
  static CStandinLog* log = new CStandinLog();  // used up to the last moment of the process
  return *log;
}

CStandinLog::CStandinLog() {
  wchar_t path[MAX_PATH] = {0};
  DWORD n = ::GetEnvironmentVariableW(L"KRUI_CEF_STANDIN_LOG", path, MAX_PATH);
  if (n > 0 && n < MAX_PATH) path_ = path;
}

void CStandinLog::Write(const std::string& event, const std::string& key, const std::wstring& value) {
  Append(event + "." + key + "=" + ToUtf8(value) + "\n");
}

void CStandinLog::Write(const std::string& event, const std::string& key, long long value) {
  Append(event + "." + key + "=" + std::to_string(value) + "\n");
}

void CStandinLog::Append(const std::string& line) {
  if (path_.empty()) return;
  std::lock_guard<std::mutex> lock(mutex_);
  // Opened per line, shared: sub-processes and the browser process may write one file.
  KRUI::UniqueKernelHandle file(::CreateFileW(path_.c_str(), FILE_APPEND_DATA,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file || file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    return;
  }
  DWORD written = 0;
  ::WriteFile(file.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

}  // namespace CefStandin
