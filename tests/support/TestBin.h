// Where the build put its programs: KRUI_TEST_BIN as a Windows path without a trailing
// backslash (a Unix path is reached through drive Z:); empty when it is not set.
#pragma once
#include <string>

namespace KRUITest {

std::string TestBinFolder();
std::wstring TestBinFolderW();

}  // namespace KRUITest
