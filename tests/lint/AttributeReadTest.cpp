#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <regex>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

using namespace KRUI;

namespace {

std::string SourcePath(const std::string& relative) {
  const char* source = std::getenv("KRUI_SOURCE_DIR");
  std::string path = std::string(source ? source : "") + "/" + relative;
  for (char& c : path)
    if (c == '/') c = '\\';
  if (!path.empty() && path[0] == '\\') path = "Z:" + path;
  return path;
}

void ListSources(const std::string& folder, std::vector<std::string>& out) {
  WIN32_FIND_DATAA data;
  HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = data.cFileName;
    if (name == "." || name == "..") continue;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ListSources(folder + "\\" + name, out);
    } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".cpp") == 0) {
      out.push_back(folder + "\\" + name);
    }
  } while (::FindNextFileA(find, &data));
  ::FindClose(find);
}

// The attribute names a source file reads from its element's attribute map.
std::vector<std::string> AttributeReads(const std::string& text) {
  static const std::regex read(
      R"re((?:Read(?:String|Flag|Int|Pair|Color|List)|GetAttribute)\(\s*attributes\s*,\s*"([^"]+)")re"
      R"re(|attributes\.(?:find|count)\("([^"]+)"\))re");
  std::vector<std::string> names;
  for (std::sregex_iterator it(text.begin(), text.end(), read), end; it != end; ++it)
    names.push_back((*it)[1].matched ? (*it)[1].str() : (*it)[2].str());
  return names;
}

bool InSet(const AttributeSet& set, const std::string& name) {
  for (const auto& attribute : set.attributes)
    if (name == attribute.name) return true;
  return false;
}

}  // namespace

// Each element's .cpp reads only what its declaration lists, and the shared base classes
// only what their sets list, so neither linter nor reference can miss an attribute.
TEST(Declarations, ElementsReadOnlyDeclaredAttributes) {
  ASSERT_NE(std::getenv("KRUI_SOURCE_DIR"), nullptr);
  std::vector<std::string> files;
  ListSources(SourcePath("src"), files);
  ASSERT_GT(files.size(), 34u);
  const struct {
    const char* file;
    const AttributeSet* set;
  } bases[] = {{"\\Control.cpp", &kControlAttributes},
               {"\\HostWindow.cpp", &kHostWindowAttributes},
               {"\\Win32Component.cpp", &kComponentAttributes},
               {"\\Action.cpp", &kActionAttributes}};
  static const std::regex declared(R"re(KRUI_DECLARE_ELEMENT\("([^"]+)")re");
  size_t checked = 0;
  for (const auto& file : files) {
    SCOPED_TRACE(file);
    const std::string text = KRUITest::ReadFileBytes(file);
    const AttributeSet* set = nullptr;
    for (const auto& base : bases)
      if (file.size() > strlen(base.file) && file.compare(file.size() - strlen(base.file), std::string::npos, base.file) == 0)
        set = base.set;
    std::smatch match;
    const ElementDeclaration* declaration = nullptr;
    if (std::regex_search(text, match, declared)) declaration = ElementRegistry::Instance().Declaration(match[1].str());
    if (!set && !declaration) continue;
    for (const auto& name : AttributeReads(text)) {
      const bool known = set ? InSet(*set, name) : declaration->FindAttribute(name) != nullptr;
      EXPECT_TRUE(known) << "reads undeclared attribute '" << name << "'";
      ++checked;
    }
  }
  EXPECT_GT(checked, 50u);  // TRANSITION: goes when every element reads through its declaration
}
