// Test hooks of the stand-in runtime: what a page or its user would do (ask for a pop-up,
// right-click, start a download, load a sub-frame, close itself), played on the runtime's UI
// thread as the real runtime would, and questions about the browsers it made. Every hook
// returns at once (the work is posted): the program's answers may need its main thread.
// Browsers are numbered from 0 in the order they were requested.
#include <windows.h>

#include <string>

#include "StandinBrowser.h"
#include "StandinLog.h"
#include "StandinRuntime.h"

#define STANDIN_HOOK extern "C" __declspec(dllexport)

namespace {

using CefStandin::CStandinBrowser;

// Runs work with browser index on the UI thread; false for an unknown index.
template <typename Work>
bool OnBrowser(int index, const char* hook, Work work) {
  CStandinBrowser* browser = CStandinBrowser::At(index);
  CefStandin::CStandinLog::Instance().Write("hook", hook, index);
  return browser && browser->RunOnUiThread(work);
}

}  // namespace

STANDIN_HOOK int krui_standin_browser_count(void) { return CStandinBrowser::Count(); }

STANDIN_HOOK HWND krui_standin_browser_window(int index) {
  CStandinBrowser* browser = CStandinBrowser::At(index);
  return browser ? browser->Window() : nullptr;
}

// Tasks the program posted that wait on the UI thread (not started yet).
STANDIN_HOOK long krui_standin_program_tasks(void) { return CefStandin::CStandinRuntime::Instance().ProgramTasks(); }

// Wrappers of one browser the program still holds (-1: no such browser).
STANDIN_HOOK long krui_standin_browser_references(int index) {
  CStandinBrowser* browser = CStandinBrowser::At(index);
  return browser ? browser->ProgramRefs() : -1;
}

// url may be none (no text buffer); length is passed as given, even when it exceeds url.
STANDIN_HOOK int krui_standin_popup(int index, const wchar_t* url, size_t length, int disposition) {
  std::wstring text = url ? std::wstring(url, wcsnlen(url, 4096)) : std::wstring();
  bool withText = url != nullptr;
  return OnBrowser(index, "popup", [text, length, withText, disposition](CStandinBrowser* b) {
    b->Popup(text, length, withText, disposition);
  });
}

STANDIN_HOOK int krui_standin_context_menu(int index) {
  return OnBrowser(index, "context_menu", [](CStandinBrowser* b) { b->ContextMenu(); });
}

STANDIN_HOOK int krui_standin_download(int index, const wchar_t* suggestedName) {
  std::wstring name = suggestedName ? suggestedName : L"";
  return OnBrowser(index, "download", [name](CStandinBrowser* b) { b->Download(name); });
}

STANDIN_HOOK int krui_standin_subframe_load(int index, const wchar_t* url) {
  std::wstring text = url ? url : L"";
  return OnBrowser(index, "subframe_load", [text](CStandinBrowser* b) { b->Load(text, false); });
}

// The page closes itself (window.close()).
STANDIN_HOOK int krui_standin_page_close(int index) {
  return OnBrowser(index, "page_close", [](CStandinBrowser* b) { b->Close(false, "page"); });
}
