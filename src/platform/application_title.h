#pragma once
// The application title, "Orvane 2000" until the program sets it: the caption of every plain
// message box and of the standard error box.

#include <string>

namespace orvane {

const std::string& ApplicationTitle();
void SetApplicationTitle(const std::string& title);

}  // namespace orvane
