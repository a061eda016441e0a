#include "DefaultButton.h"

namespace vellumet {

QString DefaultButtonCaption;

} // namespace vellumet
