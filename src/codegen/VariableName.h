// Whether a cleaned variable name is one the chosen language takes for the answer's variable.
#pragma once

#include "BuildCode.h"
#include "CodePage.h"
#include "Languages.h"

#include <optional>
#include <string_view>

namespace vellumet {

// Why Visual Basic would not take the name as the block's variable, or nothing when it would: it must start with a
// letter, hold only letters, digits and "_", be at most 255 characters long, hold only letters the code page has,
// and be neither a word the language reserves nor a name the block itself uses (MsgBox, Chr, ChrW, the vb...
// constants, the object the folder expression starts with), which it would hide.
std::optional<GenerateFailure> VariableNameFault(std::string_view name, Language language,
                                                 const CodePageWidth& codePage);

} // namespace vellumet
