#include "DefaultButton.h"

namespace vellumet {

std::string DefaultButtonCaption;

} // namespace vellumet
