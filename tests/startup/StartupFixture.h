// Documents of a fixture game folder for the start-up tests: the string "code" (the quit
// code of the test window), one bitmap per table and a layout with one TestQuitWindow.
#pragma once
#include <string>

#include "LauncherRun.h"

namespace KRUITest {

extern const wchar_t kTestWindowClass[];
extern const wchar_t kTestWindowTitle[];
extern const DWORD kWait;

std::string StringsXml(const std::string& code);
std::string BitmapXml(const std::string& id);
std::string LayoutXml(const std::string& reportPath, bool active);
// strings.xml, bitmap.xml, bitmap2.xml (when asked) and layout.xml in <root>\<folder>layout\.
void WriteGame(const CInstallation& installation, const std::string& folder, const std::string& code,
               bool withBitmap2, bool active = true);
// %APPDATA%\<name>\cache_data, as the launcher should compute it.
std::wstring ExpectedCachePath(const std::wstring& dataDirName);

}  // namespace KRUITest
