#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "ui/core/ElementDeclaration.h"
#include "ui/core/ElementRegistry.h"

using namespace KRUI;

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
