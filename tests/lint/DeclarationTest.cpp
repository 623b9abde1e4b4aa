#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "ui/core/Action.h"
#include "ui/core/Control.h"
#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"
#include "ui/core/HostWindow.h"
#include "ui/core/Win32Component.h"

using namespace KRUI;

namespace {

std::unique_ptr<CObjectx> Make(const std::string& name) {
  CObjectx* raw = nullptr;
  ElementRegistry::Instance().Create(name, &raw);
  return std::unique_ptr<CObjectx>(raw);
}

std::unique_ptr<CObjectx> Loaded(const std::string& name, const AttributeMap& attributes) {
  std::unique_ptr<CObjectx> object = Make(name);
  if (object) object->LoadAttributes(attributes);
  return object;
}

std::string Default(const AttributeDeclaration& attribute) {
  return attribute.defaultValue ? attribute.defaultValue : "";
}

// A valid value of the row's syntax other than its default, written as the element gives
// it back.
std::string Sample(const AttributeDeclaration& attribute) {
  const std::string fallback = Default(attribute);
  std::string sample;
  switch (attribute.syntax) {
    case AttributeSyntax::kFlag: sample = fallback == "true" ? "false" : "true"; break;
    case AttributeSyntax::kInteger:
    case AttributeSyntax::kEventNumber: sample = fallback == "7" ? "8" : "7"; break;
    case AttributeSyntax::kPair: sample = "3,-4"; break;
    case AttributeSyntax::kColour: sample = "1,2,3"; break;
    case AttributeSyntax::kList:
    case AttributeSyntax::kBitmapList: sample = "a,b"; break;
    case AttributeSyntax::kHotkeyText: sample = "ctrl_alt_65"; break;
    case AttributeSyntax::kChoice: {
      const std::string first = ChoiceWord(attribute, 1);
      sample = first != fallback ? first : ChoiceWord(attribute, 2);
      break;
    }
    default: sample = "sample"; break;
  }
  if (attribute.limit && sample.size() > attribute.limit) sample.resize(attribute.limit);
  return sample;
}

}  // namespace

// The declaration is the runtime's reader: every row stores into the element, a new
// element holds each declared default, and a value written for one attribute is what
// that attribute (and no other) then holds.
TEST(Declarations, EachRowIsWhatTheElementReadsAndHolds) {
  const ElementRegistry& registry = ElementRegistry::Instance();
  size_t checked = 0;
  for (const auto& name : registry.Names()) {
    SCOPED_TRACE(name);
    const ElementDeclaration* declaration = registry.Declaration(name);
    ASSERT_NE(declaration, nullptr);
    std::unique_ptr<CObjectx> plain = Loaded(name, {});
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(&plain->Declaration(), declaration) << "the element reads another declaration than the tools";
    const auto attributes = declaration->AllAttributes();
    for (const AttributeDeclaration* attribute : attributes) {
      SCOPED_TRACE(attribute->name);
      ASSERT_TRUE(attribute->bind.store && attribute->bind.show) << "declared but never read";
      EXPECT_EQ(Default(*attribute), attribute->bind.show(*plain, *attribute)) << "the declared default";
      const std::string sample = Sample(*attribute);
      ASSERT_NE(sample, Default(*attribute));
      std::unique_ptr<CObjectx> set = Loaded(name, {{attribute->name, sample}});
      EXPECT_EQ(sample, attribute->bind.show(*set, *attribute));
      for (const AttributeDeclaration* other : attributes)
        if (other != attribute)
          EXPECT_EQ(Default(*other), other->bind.show(*set, *other)) << "changed by " << attribute->name << ": " << other->name;
      ++checked;
    }
  }
  EXPECT_GT(checked, 200u);
}

// The shared sets read back through the base classes' own getters, which the runtime uses.
TEST(Declarations, SharedSetsReachTheBaseClassGetters) {
  auto layout = Loaded("Layout", {{"id", "a"}, {"pos", "1,-2"}, {"size", "3,4"}, {"visible", "false"},
                                  {"hitalbe", "false"}, {"hitval", "2"}});
  auto* control = dynamic_cast<CControl*>(layout.get());
  ASSERT_NE(control, nullptr);
  EXPECT_EQ("a", control->Id());
  EXPECT_EQ(1, control->DeclaredX());
  EXPECT_EQ(-2, control->DeclaredY());
  EXPECT_EQ(3, control->DeclaredWidth());
  EXPECT_EQ(4, control->DeclaredHeight());
  EXPECT_FALSE(control->IsVisible());
  EXPECT_FALSE(control->IsHitTestable());
  EXPECT_EQ(2, control->HitValue());

  auto frame = Loaded("FrameHostWindow", {{"id", "w"}, {"size", "30,40"}, {"active", "true"}});
  auto* window = dynamic_cast<CHostWindow*>(frame.get());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ("w", window->Id());
  EXPECT_EQ(30, window->DeclaredWidth());
  EXPECT_EQ(40, window->DeclaredHeight());
  EXPECT_TRUE(window->IsActive());

  auto tray = Loaded("Win32TrayIcon", {{"id", "t"}, {"visible", "true"}});
  auto* component = dynamic_cast<CWin32Component*>(tray.get());
  ASSERT_NE(component, nullptr);
  EXPECT_EQ("t", component->Id());
  EXPECT_TRUE(component->IsVisible());

  auto quit = Loaded("QuitApplication", {{"interest", "5"}, {"retval", "6"}, {"fromdata", "event"}});
  auto* action = dynamic_cast<CAction*>(quit.get());
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(5, action->Interest());
  EXPECT_EQ(6, action->Retval());
  EXPECT_EQ("event", action->Fromdata());
}

// This program links only the runtime's own elements: each must declare its vocabulary,
// with the kind its objects report, each attribute once.
TEST(Declarations, EveryRegisteredElementDeclaresItsVocabulary) {
  const ElementRegistry& registry = ElementRegistry::Instance();
  ASSERT_GE(registry.Names().size(), 34u);
  for (const auto& name : registry.Names()) {
    SCOPED_TRACE(name);
    const ElementDeclaration* declaration = registry.Declaration(name);
    ASSERT_NE(declaration, nullptr) << name << " has no KRUI_DECLARE_ELEMENT beside its registration";
    CObjectx* raw = nullptr;
    ASSERT_TRUE(registry.Create(name, &raw));
    std::unique_ptr<CObjectx> object(raw);
    EXPECT_EQ(declaration->kind, object->GetKind());
    std::set<std::string> seen;
    for (const auto* attribute : declaration->AllAttributes())
      EXPECT_TRUE(seen.insert(attribute->name).second) << "declared twice: " << attribute->name;
    for (const auto& prefix : declaration->prefixes)
      EXPECT_NE(registry.Declaration(prefix.element), nullptr) << prefix.prefix;
  }
}

TEST(Declarations, LookupFollowsInheritedSets) {
  const ElementDeclaration* button = ElementRegistry::Instance().Declaration("Button");
  ASSERT_NE(button, nullptr);
  ASSERT_NE(button->FindAttribute("pos"), nullptr);  // from the control set
  EXPECT_EQ(button->FindAttribute("pos")->syntax, AttributeSyntax::kPair);
  EXPECT_EQ(button->FindAttribute("bitmap")->syntax, AttributeSyntax::kBitmapList);
  EXPECT_EQ(button->FindAttribute("colour"), nullptr);
  EXPECT_TRUE(button->Raises(101));
  EXPECT_FALSE(button->Raises(102));
}
