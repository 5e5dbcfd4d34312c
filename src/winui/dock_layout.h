#pragma once
// A dock layout: the children of one window, each aligned to an edge or to the rest, laid out
// in the order they were added. Each child takes its edge off the area that the children
// before it left over, and a Client child fills what remains; hidden children take nothing.
//
//   layout.Add(mainBar, Align::Top, 51);
//   layout.Add(status, Align::Bottom, 22);     // the lowest first: it takes the very bottom
//   layout.Add(dockBottom, Align::Bottom, 4);  // sits above the status bar
//   layout.Add(center, Align::Client);
//   layout.Apply();                            // from the parent's WM_SIZE

#include <windows.h>

#include <vector>

namespace orvane::winui {

enum class Align { Top, Bottom, Left, Right, Client };

class DockLayout {
 public:
  DockLayout() = default;
  explicit DockLayout(HWND parent) : parent_(parent) {}

  void SetParent(HWND parent) { parent_ = parent; }
  HWND Parent() const { return parent_; }

  // Adds a child after the others. size is the height for Top and Bottom, the width for Left
  // and Right, unused for Client; -1 takes the child's current size.
  void Add(HWND child, Align align, int size = -1);
  void Remove(HWND child);
  bool Contains(HWND child) const { return Find(child) != nullptr; }

  // The child's size along its aligned axis (as set, not clipped by the last Apply).
  int GetSize(HWND child) const;
  void SetSize(HWND child, int size);
  Align GetAlign(HWND child) const;

  // Lays the children out in the parent's client area, or in the given area of it.
  void Apply();
  void Apply(const RECT& area);
  // The area the Client child received at the last Apply (what the edges left).
  RECT ClientArea() const { return clientArea_; }

 private:
  struct Entry {
    HWND child;  // not owned
    Align align;
    int size;
  };
  const Entry* Find(HWND child) const;
  Entry* Find(HWND child);

  HWND parent_ = nullptr;  // not owned
  std::vector<Entry> entries_;
  RECT clientArea_{};
};

}  // namespace orvane::winui
