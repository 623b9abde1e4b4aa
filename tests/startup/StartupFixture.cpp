#include "StartupFixture.h"

#include <shlobj.h>

namespace KRUITest {

const wchar_t kTestWindowClass[] = L"KRUITestQuitWindow";
const wchar_t kTestWindowTitle[] = L"KRUI start-up test";
// Generous: a Wine process start takes about 1.5 s, more on a busy machine.
const DWORD kWait = 30000;

std::string StringsXml(const std::string& code) {
  return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<StringRoot>\n  <String id=\"code\" value=\"" + code +
         "\"/>\n</StringRoot>\n";
}

std::string BitmapXml(const std::string& id) {
  return "<BitmapRoot rootdir=\"..\\image\">\n  <Bitmap id=\"" + id + "\" file=\"" + id +
         ".png\"/>\n</BitmapRoot>\n";
}

std::string LayoutXml(const std::string& reportPath, bool active) {
  return "<LayoutRoot>\n  <TestQuitWindow id=\"main\" " + std::string(active ? "active=\"true\" " : "") +
         "title=\"KRUI start-up test\" quitcode=\"${code}\" report=\"" + reportPath +
         "\" bitmaps=\"b1,b2\"/>\n</LayoutRoot>\n";
}

void WriteGame(const CInstallation& installation, const std::string& folder, const std::string& code,
               bool withBitmap2, bool active) {
  installation.Write(folder + "layout\\strings.xml", StringsXml(code));
  installation.Write(folder + "layout\\bitmap.xml", BitmapXml("b1"));
  if (withBitmap2) installation.Write(folder + "layout\\bitmap2.xml", BitmapXml("b2"));
  installation.Write(folder + "layout\\layout.xml", LayoutXml(installation.ReportPath(), active));
}

std::wstring ExpectedCachePath(const std::wstring& dataDirName) {
  wchar_t appData[MAX_PATH] = {0};
  ::SHGetSpecialFolderPathW(nullptr, appData, CSIDL_APPDATA, FALSE);
  return std::wstring(appData) + L"\\" + dataDirName + L"\\cache_data";
}

}  // namespace KRUITest
