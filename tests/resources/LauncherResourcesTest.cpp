// The launcher's resources read back from the built files through the system's own readers
// (version information, resource lookup, activation contexts): launcher.exe as configured and
// a copy stamped with a studio's icon and names.
#include <windows.h>

#include <gtest/gtest.h>
#include <tinyxml.h>

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <regex>
#include <set>
#include <string>

#include "AskedResources.h"
#include "app/LauncherResources.h"
#include "support/TempDir.h"
#include "support/TestBin.h"
#include "ui/core/Encoding.h"
#include "ui/core/Handles.h"

// Test names print the program, not the bytes of the record.
void PrintTo(const AskedResources& asked, std::ostream* out) { *out << asked.exe; }

namespace {

#pragma pack(push, 2)
struct IconFileEntry {  // an .ico file's directory entry
  BYTE width, height, colors, reserved;
  WORD planes, bitCount;
  DWORD bytes, offset;
};
struct GroupIconEntry {  // the same in an RT_GROUP_ICON resource: a resource id for the offset
  BYTE width, height, colors, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

std::string WinePath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string Resource(HMODULE module, LPCWSTR type, LPCWSTR name) {
  HRSRC found = ::FindResourceW(module, name, type);
  if (!found) return std::string();
  HGLOBAL loaded = ::LoadResource(module, found);
  const char* data = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
  return data ? std::string(data, ::SizeofResource(module, found)) : std::string();
}

std::wstring VersionString(const std::string& block, const wchar_t* key) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\000004b0\\") + key;
  if (!::VerQueryValueW(block.data(), path.c_str(), &value, &length) || !value) return L"<none>";
  return std::wstring(static_cast<const wchar_t*>(value), length ? length - 1 : 0);
}

BOOL CALLBACK CountName(HMODULE, LPCWSTR, LPWSTR, LONG_PTR count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

const TiXmlElement* Child(const TiXmlElement* parent, const char* path) {
  TiXmlHandle handle(const_cast<TiXmlElement*>(parent));
  std::string rest = path;
  for (size_t at = 0; at <= rest.size();) {
    const size_t slash = std::min(rest.find('/', at), rest.size());
    handle = handle.FirstChild(rest.substr(at, slash - at).c_str());
    at = slash + 1;
  }
  return handle.ToElement();
}

class LauncherResources : public ::testing::TestWithParam<AskedResources> {};

TEST_P(LauncherResources, CarryTheAskedVersionIconAndManifest) {
  const AskedResources& asked = GetParam();
  const std::string exe = KRUITest::TestBinFolder() + "\\" + asked.exe;
  const std::wstring exeW = KRUI::Utf8ToWide(exe);

  // Version information: the strings Explorer's properties show, and the fixed numbers.
  DWORD ignored = 0;
  std::string block(::GetFileVersionInfoSizeW(exeW.c_str(), &ignored), '\0');
  ASSERT_FALSE(block.empty()) << "no version information";
  ASSERT_TRUE(::GetFileVersionInfoW(exeW.c_str(), 0, static_cast<DWORD>(block.size()), &block[0]));
  const std::wstring name = KRUI::Utf8ToWide(asked.name);
  EXPECT_EQ(VersionString(block, L"ProductName"), name);
  EXPECT_EQ(VersionString(block, L"FileDescription"), *asked.description ? KRUI::Utf8ToWide(asked.description) : name);
  EXPECT_EQ(VersionString(block, L"FileVersion"), KRUI::Utf8ToWide(asked.version));
  EXPECT_EQ(VersionString(block, L"ProductVersion"), KRUI::Utf8ToWide(asked.version));
  EXPECT_EQ(VersionString(block, L"CompanyName"), KRUI::Utf8ToWide(asked.company));
  EXPECT_EQ(VersionString(block, L"OriginalFilename"), L"launcher.exe");
  const std::wstring copyright = VersionString(block, L"LegalCopyright");
  if (*asked.copyright)
    EXPECT_EQ(copyright, KRUI::Utf8ToWide(asked.copyright));
  else
    EXPECT_TRUE(std::regex_match(copyright, std::wregex(L"Copyright \\(C\\) 20[0-9][0-9] " + KRUI::Utf8ToWide(asked.company))))
        << KRUI::WideToAnsi(copyright);
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT fixedSize = 0;
  ASSERT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize));
  unsigned a = 0, b = 0, c = 0, d = 0;
  ASSERT_EQ(std::sscanf(asked.version, "%u.%u.%u.%u", &a, &b, &c, &d), 4);
  EXPECT_EQ(fixed->dwFileVersionMS, (a << 16) | b);
  EXPECT_EQ(fixed->dwFileVersionLS, (c << 16) | d);
  EXPECT_EQ(fixed->dwProductVersionMS, (a << 16) | b);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

  KRUI::UniqueHmodule module(
      ::LoadLibraryExW(exeW.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  ASSERT_TRUE(module) << exe;

  // The icon group: one, every image of the asked .ico file with its bytes.
  int groups = 0;
  ::EnumResourceNamesW(module.get(), RT_GROUP_ICON, &CountName, reinterpret_cast<LONG_PTR>(&groups));
  EXPECT_EQ(groups, 1);
  const std::string group = Resource(module.get(), RT_GROUP_ICON, MAKEINTRESOURCEW(KRUI_LAUNCHER_ICON));
  const std::string ico = KRUITest::ReadFileBytes(WinePath(asked.icon));
  ASSERT_GE(ico.size(), 6u) << asked.icon;
  ASSERT_GE(group.size(), 6u);
  const WORD count = *reinterpret_cast<const WORD*>(ico.data() + 4);
  ASSERT_EQ(*reinterpret_cast<const WORD*>(group.data() + 4), count);
  ASSERT_EQ(group.size(), 6 + count * sizeof(GroupIconEntry));
  for (WORD i = 0; i < count; ++i) {
    IconFileEntry file;
    GroupIconEntry built;
    memcpy(&file, ico.data() + 6 + i * sizeof(file), sizeof(file));
    memcpy(&built, group.data() + 6 + i * sizeof(built), sizeof(built));
    SCOPED_TRACE(std::to_string(file.width) + "x" + std::to_string(file.height));
    EXPECT_EQ(built.width, file.width);
    EXPECT_EQ(built.height, file.height);
    EXPECT_EQ(built.bitCount, file.bitCount);
    EXPECT_EQ(built.bytes, file.bytes);
    EXPECT_EQ(Resource(module.get(), RT_ICON, MAKEINTRESOURCEW(built.id)), ico.substr(file.offset, file.bytes));
  }

  // The manifest: what it declares, and that the loader accepts it as an activation context.
  const std::string manifest = Resource(module.get(), RT_MANIFEST, MAKEINTRESOURCEW(1));
  ASSERT_FALSE(manifest.empty());
  TiXmlDocument document;
  document.Parse(manifest.c_str());
  ASSERT_FALSE(document.Error()) << document.ErrorDesc();
  const TiXmlElement* assembly = document.RootElement();
  ASSERT_TRUE(assembly);
  const TiXmlElement* identity = Child(assembly, "assemblyIdentity");
  ASSERT_TRUE(identity);
  EXPECT_STREQ(identity->Attribute("version"), asked.version);
  const TiXmlElement* controls = Child(assembly, "dependency/dependentAssembly/assemblyIdentity");
  ASSERT_TRUE(controls);
  EXPECT_STREQ(controls->Attribute("name"), "Microsoft.Windows.Common-Controls");
  EXPECT_STREQ(controls->Attribute("version"), "6.0.0.0");
  const TiXmlElement* level = Child(assembly, "trustInfo/security/requestedPrivileges/requestedExecutionLevel");
  ASSERT_TRUE(level);
  EXPECT_STREQ(level->Attribute("level"), "asInvoker");
  std::set<std::string> systems;
  for (const TiXmlElement* os = Child(assembly, "compatibility/application/supportedOS"); os;
       os = os->NextSiblingElement("supportedOS"))
    systems.insert(os->Attribute("Id") ? os->Attribute("Id") : "");
  EXPECT_EQ(systems, (std::set<std::string>{"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",    // 7
                                            "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",    // 8
                                            "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",    // 8.1
                                            "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"}));  // 10, 11
  const TiXmlElement* dpi = Child(assembly, "application/windowsSettings/dpiAware");
  ASSERT_TRUE(dpi);
  EXPECT_STREQ(dpi->GetText(), "false");

  ACTCTXW context = {};
  context.cbSize = sizeof(context);
  context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = exeW.c_str();
  context.lpResourceName = MAKEINTRESOURCEW(1);
  HANDLE activation = ::CreateActCtxW(&context);
  EXPECT_NE(activation, INVALID_HANDLE_VALUE) << "the loader refuses the manifest: " << ::GetLastError();
  if (activation != INVALID_HANDLE_VALUE) ::ReleaseActCtx(activation);
}

INSTANTIATE_TEST_SUITE_P(Builds, LauncherResources, ::testing::ValuesIn(kAskedResources),
                         [](const ::testing::TestParamInfo<AskedResources>& info) {
                           return info.index == 0 ? std::string("Configured") : std::string("Stamped");
                         });

}  // namespace
