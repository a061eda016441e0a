// The button and dialog styles of ControlRules.h, from the layout table.
#include "ControlRules.h"

namespace vellumet {

bool HasCheck(Control control) { return LayoutOf(control).Kind == ControlKind::CheckBox || IsOption(control); }

bool ShowsPictureOnly(Control control)
{
    return LayoutOf(control).Kind == ControlKind::PushOption && LayoutOf(control).Caption.empty();
}

DWORD DialogKeyStyle(Control control)
{
    if (IsOption(control))
        return OptionsOf(GroupOf(control)).front() == control ? WS_GROUP : 0;
    return WS_GROUP | (TakesFocus(LayoutOf(control).Kind) ? WS_TABSTOP : 0);
}

} // namespace vellumet
