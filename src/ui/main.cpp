#include "codegen/BuildCode.h"
#include "platform/QtPlatform.h"

#include <QApplication>

// Until the main window exists, the program shows what "Try It" makes of a
// sample set of choices: a Yes/No/Cancel question with No as default.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vellumet"));
    QApplication::setOrganizationName(QStringLiteral("Tarnwick Solutions"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));

    vellumet::MessageBoxOptions sample;
    sample.ButtonOption = vellumet::ButtonChoice::YesNoCancel2;
    sample.Icon = vellumet::IconChoice::Question;
    sample.TitleText = "Save";
    sample.BodyText = "Save changes?";

    vellumet::QtPlatform platform;
    return vellumet::GenerateCode(vellumet::GenerateMode::Try, sample, platform) ? 1 : 0;
}
