#pragma once

#include <string>

namespace vellumet {

// The caption of the button chosen as default while Help is not the default.
extern std::string DefaultButtonCaption;

} // namespace vellumet
