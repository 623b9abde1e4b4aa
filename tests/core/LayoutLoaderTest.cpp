#include <gtest/gtest.h>

#include <windows.h>

#include "actions/ConditionAction.h"
#include "actions/ShowWindowAction.h"
#include "core/TestElements.h"
#include "support/TempDir.h"
#include <tinyxml.h>

#include "ui/core/EventxHandler.h"
#include "ui/core/LayoutLoader.h"
#include "ui/core/StringTable.h"

using namespace KRUI;
using namespace KRUITest;

namespace {

class LayoutLoading : public ::testing::Test {
 protected:
  // Writes strings.xml (when given) and layout.xml, loads both.
  bool Load(const std::string& layoutBody, const std::string& stringsBody = "") {
    if (!stringsBody.empty()) {
      EXPECT_TRUE(strings.Load(dir.Write("layout/strings.xml", "<StringRoot>" + stringsBody + "</StringRoot>")));
    }
    return loader.Load(dir.Write("layout/layout.xml", "<LayoutRoot>" + layoutBody + "</LayoutRoot>"));
  }
  template <typename T>
  T* Top(size_t i) {
    return dynamic_cast<T*>(loader.TopLevelObjects().at(i));
  }
  TempDir dir;
  StringTable strings;
  CLayoutLoader loader{strings};
};

TEST_F(LayoutLoading, AWindowKeepsOnlyItsLastControlAsRoot) {
  ASSERT_TRUE(Load(R"(<TestWindow id="w"><TestControl id="first"/><TestControl id="second"/></TestWindow>)"));
  auto* w = Top<TestWindow>(0);
  ASSERT_NE(nullptr, w);
  ASSERT_NE(nullptr, w->GetRootControl());
  EXPECT_EQ("second", w->GetRootControl()->Id());
  EXPECT_EQ(w, w->GetRootControl()->HostWindow());
}

TEST_F(LayoutLoading, ComponentsAreAcceptedOnlyByAComponentWindow) {
  ASSERT_TRUE(Load(R"(<TestWindow id="frame"><TestComponent id="tray"/></TestWindow>
                      <TestComponentWindow id="comp"><TestComponent id="tray"><TestComponent id="sub"/></TestComponent></TestComponentWindow>)"));
  auto* comp = Top<TestComponentWindow>(1);
  ASSERT_NE(nullptr, comp);
  EXPECT_EQ(nullptr, Top<TestWindow>(0)->FindComponent("tray"));
  CWin32Component* tray = comp->FindComponent("tray");
  ASSERT_NE(nullptr, tray);
  EXPECT_EQ(comp, tray->HostWindow());
  ASSERT_EQ(1u, tray->Children().size());
  EXPECT_EQ("sub", tray->Children()[0]->Id());
}

TEST_F(LayoutLoading, LinksByKindAndIgnoresWhatTheGrammarDoesNotAllow) {
  ASSERT_TRUE(Load(R"(<TestWindow id="w">
        <TestAction name="ignored-in-window"/>
        <TestWindow id="nested"/>
        <EventHandler interest="101"><TestAction name="first"/><TestControl id="not-an-action"/><TestAction name="second"><TestAction name="grandchild"/></TestAction></EventHandler>
        <TestControl id="root">
          <EventHandler interest="5"/>
          <TestControl id="child"><TestControl id="grand"/></TestControl>
          <TestComponent id="not-a-control"/>
          <NoSuchElement id="x"><TestControl id="under-unknown"/></NoSuchElement>
          <TestControl id="after"/>
        </TestControl>
      </TestWindow>
      <EventHandler interest="1"/>
      <TestAction name="top-level action"/>)"));
  const auto& top = loader.TopLevelObjects();
  ASSERT_EQ(3u, top.size());
  EXPECT_EQ(kKindWindow, top[0]->GetKind());
  EXPECT_EQ(kKindEventHandler, top[1]->GetKind());
  EXPECT_EQ(kKindAction, top[2]->GetKind());

  auto* w = Top<TestWindow>(0);
  ASSERT_EQ(1u, w->Handlers().size());
  const auto& actions = w->Handlers()[0]->Actions();
  ASSERT_EQ(2u, actions.size());
  EXPECT_EQ("first", static_cast<TestAction*>(actions[0])->name);
  EXPECT_EQ("second", static_cast<TestAction*>(actions[1])->name);

  CControl* root = w->GetRootControl();
  ASSERT_NE(nullptr, root);
  EXPECT_EQ("root", root->Id());
  EXPECT_EQ(1u, root->Handlers().size());
  ASSERT_EQ(2u, root->Children().size());
  EXPECT_EQ("child", root->Children()[0]->Id());
  EXPECT_EQ("after", root->Children()[1]->Id());
  EXPECT_NE(nullptr, w->FindControl("root:child:grand"));
  EXPECT_EQ(nullptr, w->FindControl("root:under-unknown"));
  EXPECT_EQ(nullptr, loader.FindTopLevelWindow("nested"));
  EXPECT_EQ(w, loader.FindTopLevelWindow("w"));
  EXPECT_EQ(nullptr, loader.FindTopLevelWindow("W"));

  // Nothing of an action's children was read.
  ActionLog().clear();
  w->RaiseEvent(w, 101);
  EXPECT_EQ((std::vector<std::string>{"first:101", "second:101"}), ActionLog());
}

TEST_F(LayoutLoading, AHandlerKeepsABuiltInConditionAndShowWindowInOrder) {
  ASSERT_TRUE(Load(R"(<TestWindow id="w"><EventHandler interest="101">
        <Condition type="num" condition="eq" num="1"/><ShowWindow windowid="w" show="hide"/>
      </EventHandler></TestWindow>)"));
  const auto& actions = Top<TestWindow>(0)->Handlers().at(0)->Actions();
  ASSERT_EQ(2u, actions.size());
  EXPECT_NE(nullptr, dynamic_cast<CConditionAction*>(actions[0]));
  EXPECT_NE(nullptr, dynamic_cast<CShowWindowAction*>(actions[1]));
}

TEST_F(LayoutLoading, ReferencesAreExpandedBeforeTheObjectReadsThem) {
  ASSERT_TRUE(Load(R"(<TestWindow id="w" title="${title} Online" note="${missing}!" open="a${title"/>)",
                   R"(<s id="title" value="Game"/>)"));
  auto* w = Top<TestWindow>(0);
  EXPECT_EQ("Game Online", w->attributes["title"]);
  EXPECT_EQ("!", w->attributes["note"]);
  EXPECT_EQ("a${title", w->attributes["open"]);
}

TEST_F(LayoutLoading, Utf8ValuesArriveInTheAnsiCodePage) {
  // 中文 in UTF-8.
  ASSERT_TRUE(Load("<TestWindow id=\"w\" title=\"\xE4\xB8\xAD\xE6\x96\x87 ok\"/>"));
  const std::string title = Top<TestWindow>(0)->attributes["title"];
  if (::GetACP() == 936) {
    EXPECT_EQ("\xD6\xD0\xCE\xC4 ok", title);
  } else {
    EXPECT_EQ(1252u, ::GetACP());
    EXPECT_EQ("?? ok", title);  // no ANSI form: the default character
  }
}

TEST_F(LayoutLoading, OnlyTheFirstActiveWindowIsOpened) {
  ASSERT_TRUE(Load(R"(<TestWindow id="idle"/><TestAction name="x"/>
                      <TestWindow id="main" active="true"/><TestWindow id="second" active="true"/>)"));
  EXPECT_TRUE(loader.OpenMainWindow());
  EXPECT_EQ(0, Top<TestWindow>(0)->createCount);
  auto* main = Top<TestWindow>(2);
  auto* second = Top<TestWindow>(3);
  EXPECT_EQ(1, main->createCount);
  EXPECT_NE(nullptr, main->GetHwnd());
  EXPECT_EQ(0, second->createCount);

  loader.CloseAllWindows();
  MSG msg;
  EXPECT_TRUE(::PeekMessageW(&msg, main->GetHwnd(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
}

TEST_F(LayoutLoading, NoActiveWindowOpensNothing) {
  ASSERT_TRUE(Load(R"(<TestWindow id="a" active="TRUE"/>)"));
  EXPECT_FALSE(loader.OpenMainWindow());
}

TEST_F(LayoutLoading, OtherRootNamesLoadAnEmptyList) {
  EXPECT_TRUE(loader.Load(dir.Write("l.xml", R"(<Layout><TestWindow id="w" active="true"/></Layout>)")));
  EXPECT_TRUE(loader.TopLevelObjects().empty());
  EXPECT_FALSE(loader.OpenMainWindow());
}

TEST_F(LayoutLoading, ASecondLoadFailsAndChangesNothing) {
  ASSERT_TRUE(Load(R"(<TestWindow id="w"/>)"));
  EXPECT_FALSE(loader.Load(dir.Write("other.xml", R"(<LayoutRoot><TestWindow id="v"/></LayoutRoot>)")));
  EXPECT_EQ(1u, loader.TopLevelObjects().size());
  EXPECT_EQ(nullptr, loader.FindTopLevelWindow("v"));
}

TEST_F(LayoutLoading, MissingOrMalformedDocumentsFailForGood) {
  EXPECT_FALSE(loader.Load(""));
  EXPECT_FALSE(loader.Load(dir.File("absent.xml")));
  // Even a good document cannot be loaded after a failed attempt.
  EXPECT_FALSE(loader.Load(dir.Write("good.xml", "<LayoutRoot/>")));

  StringTable s2;
  CLayoutLoader malformed{s2};
  EXPECT_FALSE(malformed.Load(dir.Write("bad.xml", "<LayoutRoot><TestWindow id=\"w\"></LayoutRoot>")));
  EXPECT_TRUE(malformed.TopLevelObjects().empty());
  EXPECT_FALSE(malformed.OpenMainWindow());
  EXPECT_EQ(nullptr, malformed.FindTopLevelWindow("w"));

  CLayoutLoader garbage{s2};
  EXPECT_FALSE(garbage.Load(dir.Write("garbage.xml", std::string("\x00\xff\xfe<<<&&&", 9))));
  CLayoutLoader empty{s2};
  EXPECT_FALSE(empty.Load(dir.Write("empty.xml", "")));
}

TEST(ReadAttributes, ConvertsFiltersAndHandlesNoElement) {
  AttributeMap map;
  EXPECT_FALSE(CLayoutLoader::ReadAttributes(nullptr, nullptr, map));
  EXPECT_TRUE(map.empty());

  TiXmlDocument doc;
  doc.Parse(R"(<e a="1" drop="2" b="&lt;3&gt;"/>)");
  ASSERT_NE(nullptr, doc.RootElement());
  struct DropOne : IXmlAttributeInsertFilter {
    bool FilterAttribute(const std::string& name, std::string& value) override {
      value += "!";
      return name != "drop";
    }
  } filter;
  ASSERT_TRUE(CLayoutLoader::ReadAttributes(doc.RootElement(), &filter, map));
  EXPECT_EQ((AttributeMap{{"a", "1!"}, {"b", "<3>!"}}), map);

  AttributeMap plain;
  ASSERT_TRUE(CLayoutLoader::ReadAttributes(doc.RootElement(), nullptr, plain));
  EXPECT_EQ(3u, plain.size());
  EXPECT_EQ("2", plain["drop"]);

  TiXmlDocument bare;
  bare.Parse("<e/>");
  AttributeMap none;
  EXPECT_TRUE(CLayoutLoader::ReadAttributes(bare.RootElement(), &filter, none));
  EXPECT_TRUE(none.empty());
}

}  // namespace
