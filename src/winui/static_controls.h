#pragma once
// Static controls: a text label, an edit field, and a picture showing a bitmap.

#include <windows.h>

#include "winui/control.h"

namespace orvane::winui {

class Label : public Control {
 public:
  // With accessLetter, the "&" of the text marks the letter that takes the focus to the next
  // control (the field the label names); without it an "&" shows as it is.
  void Create(const ControlArgs& args, bool accessLetter = false) {
    CreateControl("STATIC", args, SS_LEFT | (accessLetter ? 0 : SS_NOPREFIX));
  }
};

class Edit : public Control {
 public:
  void Create(const ControlArgs& args) {
    CreateControl("EDIT", args, WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  }
};

class Picture : public Control {
 public:
  // Shows the bitmap at its own size; the bitmap is not owned and must outlive the control.
  void Create(const ControlArgs& args, HBITMAP bitmap) {
    CreateControl("STATIC", args, SS_BITMAP | SS_REALSIZEIMAGE);
    SendMessage(STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
  }
};

}  // namespace orvane::winui
