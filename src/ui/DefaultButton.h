#pragma once

#include <QString>

namespace vellumet {

// The caption of the button chosen as default while Help is not the default.
extern QString DefaultButtonCaption;

} // namespace vellumet
