// Resource ids of the launcher's own resources (src/app/Launcher.rc.in), shared by the
// resource script and the code that loads them.
#pragma once

// The program's icon group: Explorer and the taskbar show the lowest id, and windows of a
// class registered by the runtime take it as their class icon.
#define KRUI_LAUNCHER_ICON 1
