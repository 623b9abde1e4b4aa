// Message boxes built from the layout's dialogs, answered by keys and a button while their
// modal run is up over the main window.
#include <gtest/gtest.h>

#include "desktop/DesktopTestSupport.h"
#include "ui/controls/ButtonControl.h"
#include "ui/controls/TextControl.h"

using namespace KRUITest;

namespace {

enum class Answer { kEnter, kEscape, kClickYes, kNone };

// What the dialog showed while it ran: its texts, its owner and whether that was disabled.
struct Seen {
  bool shown = false;
  std::string texts;
  HWND owner = nullptr;
  bool ownerEnabled = true;
};

std::string TextsOf(KRUI::CHostWindow* dialog) {
  std::string texts;
  for (const char* id : {"root:msgbox.title", "root:msgbox.message", "root:msgbox.yes", "root:msgbox.no"}) {
    KRUI::CControl* control = dialog->FindControl(id);
    auto* button = dynamic_cast<KRUI::CButtonControl*>(control);
    auto* text = button ? button->Caption() : dynamic_cast<KRUI::CTextControl*>(control);
    texts += (text ? text->Text() : "-") + "|";
  }
  return texts;
}

TEST(ShowMessagebox, ContinuesOnlyOnItsCodeAndShowsEachRunsTexts) {
  KRUI::CHostWindow* main = DeskWindow("main");
  ASSERT_NE(nullptr, main);
  HWND mainHwnd = main->Create(nullptr);
  ASSERT_NE(nullptr, mainHwnd);
  const struct {
    int event;
    const char* dialog;
    Answer answer;
    bool continued;
    const char* texts;  // title|message|yes|no ("-" for a missing control or caption)
  } cases[] = {
      {60, "msg", Answer::kEnter, true, "First|Quit?|Yes|No|"},
      {60, "msg", Answer::kEscape, false, "First|Quit?|Yes|No|"},
      {61, "msg", Answer::kEnter, true, "Second||||"},  // each run sets every text
      {62, "msg", Answer::kClickYes, true, "Six||||"},  // the button ends it with 6, continue 6
      {62, "msg", Answer::kEnter, false, "Six||||"},
      {63, "msg-partial", Answer::kEnter, true, "Partial|-|-|-|"},  // no "msgbox.no", no caption
      {66, "msg-bare", Answer::kEscape, true, "-|-|-|-|"},        // no page, continue 2
      {64, "nothere", Answer::kNone, false, ""},
      {65, "msg-modeless", Answer::kNone, false, ""},  // cannot run: -1 stops
  };
  for (const auto& c : cases) {
    const std::string label = std::to_string(c.event) + " " + c.dialog;
    Seen seen;
    KRUI::CHostWindow* dialog = DeskWindow(c.dialog);
    if (c.answer != Answer::kNone) {
      DuringDialogRun(dialog, [&seen, &c, dialog, mainHwnd](HWND dlg) {
        seen = {true, TextsOf(dialog), ::GetWindow(dlg, GW_OWNER), ::IsWindowEnabled(mainHwnd) != FALSE};
        if (c.answer == Answer::kClickYes) {
          ::PostMessageW(dlg, WM_LBUTTONUP, 0, MAKELPARAM(30, 160));  // over "msgbox.yes"
        } else {
          ::PostMessageW(dlg, WM_KEYDOWN, c.answer == Answer::kEnter ? VK_RETURN : VK_ESCAPE, 0);
        }
      });
    }
    RecordedEvents().clear();
    main->RaiseEvent(main, c.event);
    EXPECT_EQ(c.continued, WasRecorded("go" + std::to_string(c.event))) << label;
    if (c.answer == Answer::kNone) continue;
    EXPECT_TRUE(seen.shown) << label;
    EXPECT_EQ(c.texts, seen.texts) << label;
    EXPECT_EQ(mainHwnd, seen.owner) << label;
    EXPECT_FALSE(seen.ownerEnabled) << label;  // modal over its owner
    EXPECT_TRUE(::IsWindowEnabled(mainHwnd)) << label;
  }
}

}  // namespace
