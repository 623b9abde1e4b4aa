// Every code-page conversion of the runtime. Text inside the runtime is narrow, in the
// system ANSI code page; the XML documents are UTF-8; the window system takes UTF-16
// converted with the thread's ANSI code page.
#pragma once
#include <string>

namespace KRUI {

std::wstring Utf8ToWide(const std::string& utf8);
// Document text to runtime text: UTF-8 -> UTF-16 -> CP_ACP; characters without an ANSI
// form become the system default character.
std::string Utf8ToAnsi(const std::string& utf8);
std::string WideToAnsi(const std::wstring& wide);
// Runtime text (CP_ACP) to UTF-8, for tools that print file names to other programs.
std::string AnsiToUtf8(const std::string& ansi);
// Text written in a fixed code page (the runtime's own messages) to runtime text; exact
// where that is the ANSI code page, the default character for what the ANSI page lacks.
std::string CodePageToAnsi(unsigned codePage, const std::string& text);
// Runtime text to and from the window system (CP_THREAD_ACP).
std::wstring ThreadAnsiToWide(const std::string& ansi);
std::string WideToThreadAnsi(const std::wstring& wide);
// The same for text of a known length that may fail: false (out untouched) when the text
// has no buffer, has maxUnits units or more, or does not convert. Empty text gives "".
bool WideToThreadAnsiChecked(const wchar_t* text, size_t units, size_t maxUnits, std::string& out);

}  // namespace KRUI
