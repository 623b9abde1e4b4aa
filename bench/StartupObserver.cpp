// Start-up and memory, seen from outside: starts a program, waits for its window of the
// given size to be shown and painted (visible, no update region left, and its thread back
// at its message loop), and reads the process's private bytes at that moment. The launcher
// and the bare program are started alternately, so both see the same machine.
// Usage: bench_startup.exe RUNS WIDTH HEIGHT "LAUNCHER COMMAND" "BARE COMMAND"
//        ["LAUNCHER WITHOUT CHROMIUM" ["LAUNCHER WITHOUT ITS TRAY ICON"]]
#include <windows.h>
#include <psapi.h>
#include <shellapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "BenchTiming.h"

using namespace KRUIBench;

namespace {

struct WindowSearch {
  DWORD pid;
  int width;
  int height;
  HWND found;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lParam) {
  auto* search = reinterpret_cast<WindowSearch*>(lParam);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid != search->pid || !::IsWindowVisible(hwnd)) return TRUE;
  RECT r;
  ::GetWindowRect(hwnd, &r);
  if (r.right - r.left != search->width || r.bottom - r.top != search->height) return TRUE;
  search->found = hwnd;
  return FALSE;
}

struct Start {
  bool ok = false;
  double ms = 0;
  double privateMb = 0;
};

Start Run(const std::wstring& command, int width, int height) {
  Start result;
  HANDLE job = ::CreateJobObjectW(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits = {};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  ::SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof(limits));

  std::wstring line = command;
  STARTUPINFOW si = {sizeof(si)};
  PROCESS_INFORMATION pi = {};
  const double start = NowMs();
  if (!::CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "bench_startup: cannot start %ls (%lu)\n", command.c_str(), ::GetLastError());
    ::CloseHandle(job);
    return result;
  }
  ::AssignProcessToJobObject(job, pi.hProcess);
  ::ResumeThread(pi.hThread);

  const double deadline = start + 60000;
  while (NowMs() < deadline) {
    if (::WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    WindowSearch search = {pi.dwProcessId, width, height, nullptr};
    ::EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
    if (search.found && !::GetUpdateRect(search.found, nullptr, FALSE)) {
      // The paint that validated it may still be drawing: the thread answers only when
      // it is back in its loop.
      DWORD_PTR answer = 0;
      if (::SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer)) {
        result.ms = NowMs() - start;
        PROCESS_MEMORY_COUNTERS_EX counters = {};
        counters.cb = sizeof(counters);
        if (::GetProcessMemoryInfo(pi.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                   sizeof(counters))) {
          // Wine leaves PrivateUsage at 0 for other processes; its PagefileUsage is the
          // process's resident anonymous memory (plus swap): its private bytes.
          const SIZE_T privateBytes = counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
          result.privateMb = privateBytes / (1024.0 * 1024.0);
        }
        result.ok = true;
        break;
      }
    }
    ::Sleep(1);
  }
  if (!result.ok) std::fprintf(stderr, "bench_startup: no painted %dx%d window from %ls\n", width, height, command.c_str());
  ::TerminateJobObject(job, 0);
  ::WaitForSingleObject(pi.hProcess, 10000);
  // Every process it started (the Chromium runtime's) ends too before the next start.
  for (int i = 0; i < 1000; ++i) {
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting = {};
    if (!::QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof(accounting), nullptr) ||
        accounting.ActiveProcesses == 0) {
      break;
    }
    ::Sleep(10);
  }
  if (::GetEnvironmentVariableW(L"KRUI_BENCH_DEBUG", nullptr, 0)) {
    std::fprintf(stderr, "%.1f ms %.1f MB %ls\n", result.ms, result.privateMb, command.c_str());
  }
  ::CloseHandle(pi.hThread);
  ::CloseHandle(pi.hProcess);
  ::CloseHandle(job);
  return result;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 6) {
    std::fprintf(stderr, "usage: bench_startup RUNS WIDTH HEIGHT LAUNCHER BARE [LAUNCHER-WITHOUT-CHROMIUM]\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]), width = _wtoi(argv[2]), height = _wtoi(argv[3]);
  const std::wstring launcher = argv[4], bare = argv[5];
  const std::wstring plain = argc > 6 ? argv[6] : L"";
  const std::wstring notray = argc > 7 ? argv[7] : L"";

  // One start of each first: the first start after a build pays for cold caches.
  Run(launcher, width, height);
  Run(bare, width, height);

  std::vector<double> krui, floor, krui_mb, floor_mb, plain_mb, plain_ms, notray_ms;
  int failures = 0;
  for (int i = 0; i < runs; ++i) {
    // Alternate which goes first, so neither always follows the other.
    Start a, b, c, d;
    if (i % 2) {
      b = Run(bare, width, height);
      a = Run(launcher, width, height);
    } else {
      a = Run(launcher, width, height);
      b = Run(bare, width, height);
    }
    if (!plain.empty()) c = Run(plain, width, height);
    if (!notray.empty()) d = Run(notray, width, height);
    if (!a.ok || !b.ok || (!plain.empty() && !c.ok) || (!notray.empty() && !d.ok)) {
      ++failures;
      continue;
    }
    krui.push_back(a.ms);
    floor.push_back(b.ms);
    krui_mb.push_back(a.privateMb);
    floor_mb.push_back(b.privateMb);
    if (!plain.empty()) {
      plain_mb.push_back(c.privateMb);
      plain_ms.push_back(c.ms);
    }
    if (!notray.empty()) notray_ms.push_back(d.ms);
  }
  if (krui.empty()) return 1;
  char runsText[64];
  std::snprintf(runsText, sizeof(runsText), " (%zu runs%s)", krui.size(), failures ? ", some failed" : "");
  Row(std::string("1. Start-up to first paint, ms") + runsText, Format(Summarise(krui), 1), Format(Summarise(floor), 1),
      Format(Summarise(Ratios(krui, floor)), 2) + "×", "≤ 1.3×");
  if (!plain.empty()) {
    Row("1. Start-up without Chromium runtime, ms", Format(Summarise(plain_ms), 1), Format(Summarise(floor), 1),
        Format(Summarise(Ratios(plain_ms, floor)), 2) + "×", "");
  }
  if (!notray.empty()) {
    Row("1. Start-up with the tray icon's handler taken out of the layout, ms", Format(Summarise(notray_ms), 1),
        Format(Summarise(floor), 1), Format(Summarise(Ratios(notray_ms, floor)), 2) + "×", "");
  }
  if (!plain.empty()) {
    Row("5. Private memory after start-up without Chromium, MB", Format(Summarise(plain_mb), 1),
        Format(Summarise(floor_mb), 1), Format(Summarise(Ratios(plain_mb, floor_mb)), 2) + "×", "≤ 15 MB");
  }
  Row("5. Private memory after start-up with the Chromium stand-in, MB", Format(Summarise(krui_mb), 1),
      Format(Summarise(floor_mb), 1), Format(Summarise(Ratios(krui_mb, floor_mb)), 2) + "×", "");
  return failures ? 1 : 0;
}
