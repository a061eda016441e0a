// Looking up the published Visual Basic constants by name and by answer.
#include "VbConstants.h"

#include "Functions.h"

namespace vellumet {

const VbConstant* FindConstant(ConstantGroup group, std::string_view name)
{
    for (const VbConstant& constant : ConstantsOf(group))
        if (EqualIgnoringCase(constant.Name, name))
            return &constant;
    return nullptr;
}

std::string_view AnswerCaption(Answer answer)
{
    for (const VbConstant& constant : AnswerConstants())
        if (constant.Value == static_cast<int>(answer))
            return constant.Name.substr(2);
    return {};
}

} // namespace vellumet
