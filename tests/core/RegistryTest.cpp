#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "ui/core/ElementRegistry.h"

using namespace KRUI;

namespace {

// Element names of the layout vocabulary that this build provides, with their kinds.
// Grows with every element class until the whole vocabulary resolves.
const std::pair<const char*, ElementKind> kBuiltElements[] = {
    {"EventHandler", kKindEventHandler},
    {"FrameHostWindow", kKindWindow},
    {"Layout", kKindControl},
    {"Text", kKindControl},
    {"Image", kKindControl},
    {"Button", kKindControl},
    {"QuitApplication", kKindAction},
    {"ShowWindow", kKindAction},
    {"ShowControl", kKindAction},
    {"ShowComponent", kKindAction},
    {"WBNavigate", kKindAction},
    {"WBCommand", kKindAction},
    {"ShellOpenUrl", kKindAction},
    {"CreateProcess", kKindAction},
    {"Condition", kKindAction},
    {"SendMessage", kKindAction},
    {"CreateTimer", kKindAction},
    {"KillTimer", kKindAction},
    {"StopPropagation", kKindAction},
    {"PopupHostDialog", kKindWindow},
    {"Win32ComponentHostWindow", kKindWindow},
    {"DeleteCefCache", kKindAction},
    {"DeleteInternetExplorerCache", kKindAction},
    {"Edit", kKindControl},
    {"HotkeyEdit", kKindControl},
    {"Win32TrayIcon", kKindComponent},
    {"Win32ContextMenu", kKindComponent},
    {"Win32MenuItem", kKindComponent},
    {"Win32Hotkey", kKindComponent},
    {"HotkeyConfigReader", kKindAction},
    {"HotkeyConfigWriter", kKindAction},
    {"ShowMessagebox", kKindAction},
    {"CefBrowser", kKindControl},
    {"WebBrowser", kKindControl},
};

TEST(ElementRegistry, EveryBuiltElementNameResolvesToItsKind) {
  for (const auto& entry : kBuiltElements) {
    CObjectx* object = nullptr;
    ASSERT_TRUE(CreateElement(entry.first, &object)) << entry.first;
    ASSERT_NE(nullptr, object) << entry.first;
    std::unique_ptr<CObjectx> owned(object);
    EXPECT_EQ(entry.second, object->GetKind()) << entry.first;
  }
}

TEST(ElementRegistry, UnknownOrDifferentlyCasedNamesCreateNothing) {
  CObjectx* sentinel = reinterpret_cast<CObjectx*>(0x1234);
  CObjectx* out = sentinel;
  EXPECT_FALSE(CreateElement("NoSuchElement", &out));
  EXPECT_EQ(sentinel, out);
  EXPECT_FALSE(CreateElement("eventhandler", &out));
  EXPECT_EQ(sentinel, out);
  EXPECT_FALSE(CreateElement("", &out));
}

bool g_firstCalled = false;
bool g_secondCalled = false;
bool FirstCreator(CObjectx**) {
  g_firstCalled = true;
  return false;
}
bool SecondCreator(CObjectx**) {
  g_secondCalled = true;
  return false;
}

TEST(ElementRegistry, ASecondRegistrationReplacesTheFirst) {
  RegisterElementType("ReplacedTwice", &FirstCreator);
  RegisterElementType("ReplacedTwice", &SecondCreator);
  CObjectx* out = nullptr;
  EXPECT_FALSE(CreateElement("ReplacedTwice", &out));
  EXPECT_FALSE(g_firstCalled);
  EXPECT_TRUE(g_secondCalled);
}

TEST(ElementRegistry, ANullCreatorIsTreatedAsUnregistered) {
  RegisterElementType("NullCreator", nullptr);
  CObjectx* out = nullptr;
  EXPECT_FALSE(CreateElement("NullCreator", &out));
  EXPECT_EQ(nullptr, out);
}

}  // namespace
