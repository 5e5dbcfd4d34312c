// Shows the demo form filled with sample objects, for looking at the wrapper layer and the
// artwork on screen (screenshots under Xvfb).
#include <windows.h>

#include "../demo_form.h"
#include "winui/message_loop.h"

using namespace orvane::winui;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  orvane::winui::InitCommonControls();
  testing::DemoForm form;
  form.quitOnDestroy = true;
  form.Open(800, 560);

  HTREEITEM computer = form.tree.Insert({.text = "WORKSTATION", .stateImage = 2});
  const char* processes[] = {"explorer.exe", "csrss.exe", "notepad.exe"};
  for (const char* name : processes) {
    HTREEITEM p =
        form.tree.Insert({.parent = computer, .text = name, .stateImage = name[0] == 'c' ? 4 : 3});
    HTREEITEM t = form.tree.Insert({.parent = p, .text = "1044", .stateImage = 5});
    form.tree.Insert({.parent = t, .text = "Untitled - Notepad", .stateImage = 6});
    form.tree.Expand(p);
  }
  form.tree.Expand(computer);

  form.heading.SetCaption("Processes running on the computer \"WORKSTATION\"");
  form.list.DeleteAllColumns();
  form.list.AddColumn("Process Name", 150);
  form.list.AddColumn("Priority", 120);
  form.list.AddColumn("Executable", 200);
  struct Row {
    const char* name;
    const char* priority;
    const char* path;
    int image;
    int state;
  } rows[] = {{"explorer.exe", "Normal (8)", "C:\\windows\\explorer.exe", 1, 3},
              {"csrss.exe", "High (13)", "C:\\windows\\system32\\csrss.exe", 2, 4},
              {"Untitled - Notepad", "Normal (8)", "C:\\windows\\notepad.exe", 1, 3},
              {"backup.exe", "Idle (4)", "C:\\tools\\backup.exe", 0, 3},
              {"audiodg.exe", "Realtime (24)", "C:\\windows\\system32\\audiodg.exe", 3, 4}};
  for (const Row& r : rows) {
    const int i = form.list.Insert({.text = r.name, .image = r.image, .stateImage = r.state});
    form.list.SetText(i, 1, r.priority);
    form.list.SetText(i, 2, r.path);
  }
  form.list.SetSelected(2, true);
  form.info.SetLines({"C:\\windows\\notepad.exe", "Text editor"});
  form.status.SetPanelText(0, "Running Processes: 5");
  form.status.SetPanelText(1, "Memory Usage: 37% (Total: 134mb)");
  form.status.SetPanelText(2, "Cpu Usage: 5%");
  form.Show();
  return RunMessageLoop();
}
