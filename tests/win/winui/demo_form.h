#pragma once
// A window built like the main window (bar with logo and tool buttons, tree, splitters,
// heading, list, information box, status bar) from the wrapper layer alone, for the GUI tests
// to drive.

#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "res/resource.h"
#include "winui/dock_layout.h"
#include "winui/gdi.h"
#include "winui/image_list.h"
#include "winui/list_view.h"
#include "winui/panel.h"
#include "winui/rich_edit.h"
#include "winui/splitter.h"
#include "winui/static_controls.h"
#include "winui/status_bar.h"
#include "winui/tool_button.h"
#include "winui/tree_view.h"
#include "winui/window_base.h"

namespace orvane::winui::testing {

inline constexpr COLORREF kBarColour = RGB(165, 178, 221);

class DemoForm : public WindowBase {
 public:
  static constexpr int kBarHeight = 51;
  static constexpr int kTreeWidth = 200;
  static constexpr int kInfoHeight = 90;
  static constexpr int kHeadingHeight = 24;

  void Open(int width = 760, int height = 520) {
    WindowArgs args;
    args.className = "OrvaneDemoForm";
    args.text = "Orvane 2000 Professional";
    args.x = 40;
    args.y = 40;
    args.width = width;
    args.height = height;
    args.icon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_APP));
    Create(args);
  }

  ImageList objectIcons;    // owned
  ImageList priorityIcons;  // owned
  Bitmap logo;              // owned
  Font font = MakeFont("MS Sans Serif", -11);
  Font headingFont = MakeFont("MS Sans Serif", -13, true);

  DockLayout layout;
  Panel mainBar;
  Picture logoPicture;
  std::array<ToolButton, 4> tools;
  Panel center;
  TreeView tree;
  Splitter treeSplitter;
  Panel right;
  Panel heading;
  RichEdit info;
  Splitter infoSplitter;
  ListView list;
  StatusBar status;

 protected:
  void OnCreate() override {
    objectIcons = ImageList::FromResource(IDB_VIEW_OBJECT_ICONS);
    priorityIcons = ImageList::FromResource(IDB_VIEW_OBJECT_ICONS_PRIORITY);
    logo = LoadBitmapResource(IDB_IMAGE_LOGO);
    layout.SetParent(*this);

    mainBar.Create({.parent = *this, .id = 1, .background = kBarColour, .font = font});
    layout.Add(mainBar, Align::Top, kBarHeight);
    logoPicture.Create({.parent = mainBar, .id = 2, .width = 233, .height = 59}, logo);
    const char* captions[] = {"Stop", "Inc", "Dec", "Show"};
    const int glyphs[] = {3, 2, 0, 4};
    for (int i = 0; i < 4; ++i)
      tools[size_t(i)].Create({.parent = mainBar,
                               .id = 10 + i,
                               .x = 2 + 48 * i,
                               .y = 1,
                               .caption = captions[i],
                               .images = priorityIcons,
                               .image = glyphs[i],
                               .background = kBarColour,
                               .font = font,
                               .hint = std::string(captions[i]) + " the selected objects"});
    mainBar.onResize = [this](int width, int) { logoPicture.Move(width - 233 + 10, 0, 233, 59); };

    status.Create({.parent = *this, .id = 3, .font = font});
    status.SetPanels({200, 200, 50});
    layout.Add(status, Align::Bottom);

    center.Create({.parent = *this, .id = 4, .font = font, .bevel = Bevel::Lowered});
    layout.Add(center, Align::Client);

    tree.Create({.parent = center, .id = 5});
    tree.SetStateImages(objectIcons);
    tree.SetIndent(19);
    center.Layout().Add(tree, Align::Left, kTreeWidth);
    treeSplitter.Create(
        {.parent = center, .id = 6, .vertical = true, .layout = &center.Layout(), .target = tree});
    right.Create({.parent = center, .id = 7, .font = font});
    center.Layout().Add(right, Align::Client);

    heading.Create({.parent = right, .id = 8, .text = "Name", .font = headingFont});
    right.Layout().Add(heading, Align::Top, kHeadingHeight);
    info.Create({.parent = right, .id = 9});
    info.SetLines({"Object Information",
                   "Select an object from the list above, to view more detailed information "
                   "it."});
    right.Layout().Add(info, Align::Bottom, kInfoHeight);
    infoSplitter.Create(
        {.parent = right, .id = 20, .vertical = false, .layout = &right.Layout(), .target = info});
    list.Create({.parent = right, .id = 21});
    list.SetSmallImages(priorityIcons);
    list.SetStateImages(objectIcons);
    list.AddColumn("Name", 150);
    right.Layout().Add(list, Align::Client);
    layout.Apply();
  }

  void OnSize(int, int) override { layout.Apply(); }
};

}  // namespace orvane::winui::testing
