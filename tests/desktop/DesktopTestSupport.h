// The one layout document of the desktop tests, loaded once into the process's loader
// (message boxes look their dialogs up there; its "Record" actions note that they ran),
// key presses through SendInput, and a fresh conf.dat.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/RecordingAction.h"
#include "ui/core/HostWindow.h"

namespace KRUITest {

// Loads the document on first use.
void LoadDesktopLayout();
KRUI::CHostWindow* DeskWindow(const std::string& id);

// Removes the process's conf.dat (<installation root>\conf.dat) and writes these entries
// of the [hotkey] section.
void ResetConf(const std::vector<std::pair<std::string, std::string>>& hotkeyEntries);

// One key event through the system's input queue.
void Key(WORD vk, bool down);
// Presses the keys in order, then releases them in reverse order.
void Chord(const std::vector<WORD>& keys);

// Calls step(dialogHwnd) once, from a timer, as soon as the dialog's run has a window.
void DuringDialogRun(KRUI::CHostWindow* dialog, std::function<void(HWND)> step);

}  // namespace KRUITest
