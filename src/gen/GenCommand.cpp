#include "GenCommand.h"

#include "codegen/BuildCode.h"
#include "codegen/MessageBoxStyle.h"
#include "codegen/StyleDecode.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

namespace vellumet {
namespace {

constexpr int exitRefused = 1;
constexpr int exitUsage = 2;

const std::map<std::string, int> buttonSetNames = {
    {"ok", 0}, {"ok-cancel", 1}, {"abort-retry-ignore", 2}, {"yes-no-cancel", 3}, {"yes-no", 4}, {"retry-cancel", 5},
};

const std::map<std::string, IconChoice> iconNames = {
    {"none", IconChoice::NoIcon},
    {"critical", IconChoice::Critical},
    {"question", IconChoice::Question},
    {"exclamation", IconChoice::Exclamation},
    {"information", IconChoice::Information},
};

int UsageError(const CLI::App& app, const std::string& what, std::ostream& err)
{
    err << "vellumet-gen: " << what << "\n\n" << app.help();
    return exitUsage;
}

// The window's messages break their lines; on standard error they take one line.
std::string OneLine(std::string_view message)
{
    std::string line(message);
    for (std::size_t at = line.find("\r\n"); at != std::string::npos; at = line.find("\r\n", at))
        line.replace(at, 2, " ");
    return line;
}

// --decode: a style met in old code, translated and put into words.
int Decode(const std::string& source, std::ostream& out, std::ostream& err)
{
    const auto decoded = DecodeStyle(source);
    if (const auto* fault = std::get_if<std::string>(&decoded)) {
        err << "vellumet-gen: --decode \"" << source << "\": " << *fault << ".\n";
        return exitRefused;
    }
    const auto& [translation, meaning] = std::get<DecodedStyle>(decoded);
    out << translation << '\n' << meaning << '\n';
    return 0;
}

} // namespace

int RunGenCommand(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err)
{
    CLI::App app{"Writes the Visual Basic code of a MsgBox call, with the message body read from standard input."};
    app.name("vellumet-gen");

    MessageBoxOptions options;
    std::string buttons = "ok";
    int defaultPosition = 1;
    std::string icon = "none";
    app.add_option("--buttons", buttons, "The set of buttons")
        ->check(CLI::IsMember(buttonSetNames))
        ->capture_default_str();
    app.add_option("--default", defaultPosition, "The default button's place in the set, from 1")
        ->capture_default_str();
    app.add_option("--icon", icon, "The icon")->check(CLI::IsMember(iconNames))->capture_default_str();
    app.add_flag("--system-modal", options.SystemModal, "The box is system-modal");
    app.add_flag("--as-value", options.CopyAsValue, "Write the style as a number, not as named constants");
    app.add_option("--title", options.TitleText, "The title of the box");
    app.add_option("--variable", options.VariableText, "The variable that receives the answer")->capture_default_str();
    CLI::Option* helpButton = app.add_flag("--help-button", options.IncludeHelpButton, "The box has a Help button");
    app.add_option("--help-file", options.HelpFileText, "The help file's name or path")->needs(helpButton);
    app.add_flag("--app-path", options.UseAppPath, "The help file lies in the application's folder")->needs(helpButton);
    app.add_option("--topic", options.TopicIDText, "The help topic (context) number, -32768 to 32767")
        ->capture_default_str()
        ->needs(helpButton);
    app.add_flag("--help-default", options.HelpButtonIsDefault, "The Help button is the default button")
        ->needs(helpButton);

    std::string decode;
    CLI::Option* decodeOption =
        app.add_option("--decode", decode,
                       "Instead of writing code, translate a style: a number such as 291 into its constants, "
                       "an expression such as \"vbYesNo + vbQuestion\" into its value; then say what it means");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ParseError& error) {
        return UsageError(app, error.what(), err);
    }

    if (*decodeOption) {
        const auto others = app.get_options([&](const CLI::Option* option) { return option != decodeOption; });
        if (std::ranges::any_of(others, [](const CLI::Option* option) { return option->count() > 0; }))
            return UsageError(app, "--decode takes no other option.", err);
        return Decode(decode, out, err);
    }

    const int buttonSet = buttonSetNames.at(buttons);
    const auto choice = ButtonChoiceFor(buttonSet, defaultPosition);
    if (!choice) {
        const auto setSize = ButtonSetOf(*ButtonChoiceFor(buttonSet, 1)).Buttons.size();
        return UsageError(app,
                          "--default " + std::to_string(defaultPosition) + ": the " + buttons + " set has " +
                              std::to_string(setSize) + (setSize == 1 ? " button" : " buttons") + ".",
                          err);
    }
    options.ButtonOption = *choice;
    options.Icon = iconNames.at(icon);

    options.BodyText.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    const CopyText copy = BuildCopyText(options);
    if (copy.Failure) {
        err << "vellumet-gen: " << OneLine(FailureMessage(*copy.Failure)) << '\n';
        return exitRefused;
    }
    if (!(out << copy.Code << std::flush)) {
        err << "vellumet-gen: the code could not be written to standard output.\n";
        return exitRefused;
    }
    return 0;
}

} // namespace vellumet
