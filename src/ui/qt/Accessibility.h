// The accessible roles and names of the Qt main window's controls.
#pragma once

#include "ui/Layout.h"

#include <string>

class QWidget;

// What assistive technology is told of the main window's controls: the role of
// each one as the layout gives it, and the name spoken while it shows a caption.
namespace vellumet::accessibility {

// Gives the widget of a control its role and its spoken name. Where Qt's own
// accessible interface tells another role than the layout's, or lets an
// assistive tool change a choice behind the window's back, the widget gets an
// interface of ours instead.
void Describe(QWidget* widget, Control control, const std::string& caption);

// The control shows another caption; its spoken name follows.
void Rename(QWidget* widget, Control control, const std::string& caption);

} // namespace vellumet::accessibility
