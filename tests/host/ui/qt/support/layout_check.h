// What a person would not like on a surface: visible controls whose text
// does not fit them, or that stick out of the window.
#pragma once

#include <string>
#include <vector>

#include "sondrel/ui/qt/template_surface.h"

namespace sondrel::testing {

// "1108: text needs 60 px in height, has 48" ... for every visible control
// whose text is clipped or that lies partly outside the surface.
std::vector<std::string> LayoutProblems(const ui::qt::TemplateSurface& surface);

}  // namespace sondrel::testing
