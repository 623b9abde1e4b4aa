// Message boxes built from the layout's dialogs, answered by keys and a button while
// their modal run is up over the main window.
#include <gtest/gtest.h>

#include <string>

#include "desktop/DesktopTestSupport.h"
#include "ui/controls/ButtonControl.h"
#include "ui/controls/TextControl.h"

using namespace KRUITest;

namespace {

enum class Answer { kEnter, kEscape, kClickYes, kNone };

struct Seen {
  bool shown = false;
  std::string title;
  HWND owner = nullptr;
  bool ownerEnabled = true;
};

KRUI::CHostWindow* Main() {
  static KRUI::CHostWindow* main = [] {
    KRUI::CHostWindow* window = DeskWindow("main");
    if (window) window->Create(nullptr);
    return window;
  }();
  return main;
}

std::string TextOf(KRUI::CHostWindow* dialog, const char* path) {
  auto* text = dynamic_cast<KRUI::CTextControl*>(dialog->FindControl(path));
  return text ? text->Text() : "<none>";
}

std::string CaptionOf(KRUI::CHostWindow* dialog, const char* path) {
  auto* button = dynamic_cast<KRUI::CButtonControl*>(dialog->FindControl(path));
  return button && button->Caption() ? button->Caption()->Text() : "<none>";
}

// Raises `event` on the main window; while the dialog runs, notes what it shows and answers.
Seen Ask(int event, const char* dialogId, Answer answer) {
  Seen seen;
  KRUI::CHostWindow* dialog = DeskWindow(dialogId);
  if (dialog && answer != Answer::kNone) {
    DuringDialogRun(dialog, [&seen, dialog, answer](HWND dlg) {
      seen.shown = true;
      seen.title = TextOf(dialog, "root:msgbox.title");
      seen.owner = ::GetWindow(dlg, GW_OWNER);
      seen.ownerEnabled = ::IsWindowEnabled(Main()->GetHwnd()) != FALSE;
      switch (answer) {
        case Answer::kEnter:
          ::PostMessageW(dlg, WM_KEYDOWN, VK_RETURN, 0);
          break;
        case Answer::kEscape:
          ::PostMessageW(dlg, WM_KEYDOWN, VK_ESCAPE, 0);
          break;
        default:  // over "msgbox.yes", whose handler closes the dialog with 6
          ::PostMessageW(dlg, WM_LBUTTONUP, 0, MAKELPARAM(30, 160));
          break;
      }
    });
  }
  Main()->RaiseEvent(Main(), event);
  return seen;
}

TEST(ShowMessagebox, ContinuesOnlyOnItsCodeAndShowsEachRunsTexts) {
  ASSERT_NE(nullptr, Main());
  HWND main = Main()->GetHwnd();
  ASSERT_NE(nullptr, main);
  struct Case {
    int event;
    const char* dialog;
    Answer answer;
    bool continued;
    const char* title;
  } cases[] = {
      {60, "msg", Answer::kEnter, true, "First"},
      {60, "msg", Answer::kEscape, false, "First"},
      {61, "msg", Answer::kEnter, true, "Second"},  // the second run shows its own title
      {62, "msg", Answer::kClickYes, true, "Six"},  // a button ending with 6, continue 6
      {62, "msg", Answer::kEnter, false, "Six"},
      {63, "msg-partial", Answer::kEnter, true, "Partial"},  // no "msgbox.no", a yes without caption
      {66, "msg-bare", Answer::kEscape, true, "<none>"},      // no page at all, continue 2
  };
  for (const auto& c : cases) {
    DeskTrail().clear();
    const Seen seen = Ask(c.event, c.dialog, c.answer);
    const std::string label = std::to_string(c.event) + " " + c.dialog;
    EXPECT_TRUE(seen.shown) << label;
    EXPECT_EQ(c.title, seen.title) << label;
    EXPECT_EQ(main, seen.owner) << label;
    EXPECT_FALSE(seen.ownerEnabled) << label;  // modal over its owner
    EXPECT_TRUE(::IsWindowEnabled(main)) << label;
    EXPECT_EQ(c.continued, TrailHas("continued" + std::to_string(c.event))) << label;
    EXPECT_EQ(nullptr, DeskWindow(c.dialog)->GetHwnd()) << label;
  }
}

TEST(ShowMessagebox, FillsEveryTextOnEveryRun) {
  KRUI::CHostWindow* msg = DeskWindow("msg");
  ASSERT_NE(nullptr, msg);
  Ask(60, "msg", Answer::kEscape);
  EXPECT_EQ("Quit now?", TextOf(msg, "root:msgbox.message"));
  EXPECT_EQ("Yes", CaptionOf(msg, "root:msgbox.yes"));
  EXPECT_EQ("No", CaptionOf(msg, "root:msgbox.no"));
  // Absent attributes give the empty texts.
  Ask(61, "msg", Answer::kEscape);
  EXPECT_EQ("Second", TextOf(msg, "root:msgbox.title"));
  EXPECT_EQ("", TextOf(msg, "root:msgbox.message"));
  EXPECT_EQ("", CaptionOf(msg, "root:msgbox.yes"));
  EXPECT_EQ("<none>", CaptionOf(DeskWindow("msg-partial"), "root:msgbox.yes"));
}

TEST(ShowMessagebox, AnUnknownOrNonModalDialogStopsTheHandler) {
  ASSERT_NE(nullptr, Main());
  DeskTrail().clear();
  Ask(64, "nothere", Answer::kNone);  // continue -1 would match a failed run: nothing ran at all
  Ask(65, "msg-modeless", Answer::kNone);
  EXPECT_FALSE(TrailHas("continued64"));
  EXPECT_FALSE(TrailHas("continued65"));
}

}  // namespace
