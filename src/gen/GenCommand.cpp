// vellumet-gen: the command line, the JSON choices of --read and --options, and what each run writes.
#include "GenCommand.h"

#include "codegen/BuildCode.h"
#include "codegen/Functions.h"
#include "codegen/LineBreaks.h"
#include "codegen/MessageBoxStyle.h"
#include "codegen/ReadCall.h"
#include "codegen/StyleDecode.h"
#include "platform/CodePage.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <variant>
#include <vector>

namespace vellumet {
namespace {

constexpr int ExitRefused = 1;
constexpr int ExitUsage = 2;

// Every message on standard error begins so.
constexpr std::string_view MessageStart = "vellumet-gen: ";

int Refused(std::ostream& err, std::string_view message)
{
    err << MessageStart << message << '\n';
    return ExitRefused;
}

// A refusal of what one option was given: "--read: there is no MsgBox call."
std::string About(std::string_view what, std::string_view fault)
{
    return std::string(what) + ": " + std::string(fault) + ".";
}

std::string NotWritten(std::string_view what)
{
    return std::string(what) + " could not be written to standard output.";
}

const std::map<std::string, int> ButtonSetNames = {
    {"ok", 0}, {"ok-cancel", 1}, {"abort-retry-ignore", 2}, {"yes-no-cancel", 3}, {"yes-no", 4}, {"retry-cancel", 5},
};

const std::map<std::string, IconChoice> IconNames = {
    {"none", IconChoice::NoIcon},
    {"critical", IconChoice::Critical},
    {"question", IconChoice::Question},
    {"exclamation", IconChoice::Exclamation},
    {"information", IconChoice::Information},
};

// The languages by their keys, from the table of languages.
const std::map<std::string, Language> LanguageNames = [] {
    std::map<std::string, Language> names;
    for (const LanguageRow& row : Languages)
        names.emplace(row.Key, row.Id);
    return names;
}();

// The keys of the JSON choices of --read and --options, in the order --read writes them.
using FlagKey = std::pair<std::string_view, bool MessageBoxOptions::*>;
using TextKey = std::pair<std::string_view, std::string MessageBoxOptions::*>;

constexpr std::array<FlagKey, 5> FlagKeys = {{
    {"systemModal", &MessageBoxOptions::SystemModal},
    {"asValue", &MessageBoxOptions::CopyAsValue},
    {"helpButton", &MessageBoxOptions::IncludeHelpButton},
    {"helpDefault", &MessageBoxOptions::HelpButtonIsDefault},
    {"appPath", &MessageBoxOptions::UseAppPath},
}};

constexpr std::array<TextKey, 5> TextKeys = {{
    {"title", &MessageBoxOptions::TitleText},
    {"variable", &MessageBoxOptions::VariableText},
    {"helpFile", &MessageBoxOptions::HelpFileText},
    {"topic", &MessageBoxOptions::TopicIDText},
    {"body", &MessageBoxOptions::BodyText},
}};

template <typename Value>
std::string NameOf(const std::map<std::string, Value>& names, Value value)
{
    const auto named = std::ranges::find_if(names, [&](const auto& entry) { return entry.second == value; });
    return named->first;
}

// The words joined by ", ", and by `last` before the last.
std::string ListOf(const std::vector<std::string>& words, std::string_view last = ", ")
{
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i)
        list.append(i == 0 ? "" : i + 1 == words.size() ? last : ", ").append(words[i]);
    return list;
}

template <typename Value>
std::string NamesOf(const std::map<std::string, Value>& names)
{
    std::vector<std::string> keys;
    for (const auto& entry : names)
        keys.push_back(entry.first);
    return ListOf(keys);
}

// "must be ..." of a key of the JSON choices.
std::string KeyMustBe(std::string_view key, std::string_view what)
{
    return InQuotes(key).append(" must be ").append(what);
}

// The beginning of a sentence on a button set, by its name on the command line.
std::string TheSetHas(int buttonSet) { return "the " + NameOf(ButtonSetNames, buttonSet) + " set has "; }

// The JSON keys of the Help button's details, in the order --read writes them, which need the Help button's own.
std::string HelpDetailKeysNeedHelpButton()
{
    std::vector<std::string> keys;
    for (const auto& [key, member] : FlagKeys)
        if (IsHelpDetail(member))
            keys.push_back(InQuotes(key));
    for (const auto& [key, member] : TextKeys)
        if (IsHelpDetail(member))
            keys.push_back(InQuotes(key));
    const auto helpButton = std::ranges::find(FlagKeys, &MessageBoxOptions::IncludeHelpButton, &FlagKey::second);
    return ListOf(keys, " and ") + " need " + InQuotes(helpButton->first);
}

nlohmann::ordered_json ChoicesToJson(const MessageBoxOptions& options)
{
    nlohmann::ordered_json json = {
        {"language", RowOf(options.CodeLanguage).Key},
        {"buttons", NameOf(ButtonSetNames, ButtonSetOf(options.ButtonOption).Value)},
        {"default", DefaultPositionOf(options.ButtonOption)},
        {"icon", NameOf(IconNames, options.Icon)},
    };
    for (const auto& [key, member] : FlagKeys)
        json[std::string(key)] = options.*member;
    for (const auto& [key, member] : TextKeys)
        json[std::string(key)] = options.*member;
    return json;
}

// The choices of a JSON object as --read writes it. A key left out keeps the
// value vellumet-gen's option has when it is not given.
std::variant<MessageBoxOptions, std::string> ChoicesFromJson(const nlohmann::json& json)
{
    if (!json.is_object())
        return "the choices must be one JSON object";
    MessageBoxOptions options;
    int buttonSet = 0;
    nlohmann::json defaultPosition = 1;
    for (const auto& [key, value] : json.items()) {
        const auto flag = std::ranges::find(FlagKeys, key, &FlagKey::first);
        const auto text = std::ranges::find(TextKeys, key, &TextKey::first);
        if (flag != FlagKeys.end()) {
            if (!value.is_boolean())
                return KeyMustBe(key, "true or false");
            options.*(flag->second) = value.get<bool>();
        } else if (text != TextKeys.end()) {
            if (!value.is_string())
                return KeyMustBe(key, "a string");
            options.*(text->second) = value.get<std::string>();
        } else if (key == "buttons") {
            if (!value.is_string() || !ButtonSetNames.contains(value.get<std::string>()))
                return KeyMustBe(key, "one of " + NamesOf(ButtonSetNames));
            buttonSet = ButtonSetNames.at(value.get<std::string>());
        } else if (key == "default") {
            if (!value.is_number_integer())
                return KeyMustBe(key, "a whole number");
            defaultPosition = value;
        } else if (key == "language") {
            if (!value.is_string() || !LanguageNames.contains(value.get<std::string>()))
                return KeyMustBe(key, "one of " + NamesOf(LanguageNames));
            options.CodeLanguage = LanguageNames.at(value.get<std::string>());
        } else if (key == "icon") {
            if (!value.is_string() || !IconNames.contains(value.get<std::string>()))
                return KeyMustBe(key, "one of " + NamesOf(IconNames));
            options.Icon = IconNames.at(value.get<std::string>());
        } else {
            return InQuotes(key) + " is not one of the choices";
        }
    }

    const auto choice = defaultPosition >= 1 && defaultPosition <= 3
                            ? ButtonChoiceFor(buttonSet, defaultPosition.get<int>())
                            : std::nullopt;
    if (!choice)
        return "\"default\": " + TheSetHas(buttonSet) + "no button " + defaultPosition.dump();
    options.ButtonOption = *choice;

    if (HelpDetailsLackHelpButton(options))
        return HelpDetailKeysNeedHelpButton();
    return options;
}

// --decode: a style met in old code, translated and put into words.
int Decode(const std::string& source, std::ostream& out, std::ostream& err)
{
    const auto decoded = DecodeStyle(source);
    if (const auto* fault = std::get_if<std::string>(&decoded))
        return Refused(err, About("--decode " + InQuotes(source), *fault));
    const auto& [translation, meaning] = std::get<DecodedStyle>(decoded);
    out << translation << '\n' << meaning << '\n';
    return 0;
}

// --read: the choices of a MsgBox call met in code, in the language given unless the code shows another.
int ReadChoices(Language language, std::istream& in, std::ostream& out, std::ostream& err)
{
    const std::string source(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>{});
    const auto read = ReadCall(source, language);
    if (const auto* fault = std::get_if<std::string>(&read))
        return Refused(err, About("--read", *fault));
    std::string json;
    try {
        json = ChoicesToJson(CanonicalChoices(std::get<MessageBoxOptions>(read))).dump(2);
    } catch (const nlohmann::json::type_error&) {
        return Refused(err, About("--read", "the texts of the call are not UTF-8, which JSON needs"));
    }
    if (!(out << json << '\n' << std::flush))
        return Refused(err, NotWritten("the choices"));
    return 0;
}

int WriteCode(const MessageBoxOptions& options, const CodePageWidth& codePage, std::ostream& out, std::ostream& err)
{
    const auto checked = CheckOptions(GenerateMode::Copy, options, codePage);
    // The window's messages break their lines; on standard error they take one line.
    if (const auto* failure = std::get_if<GenerateFailure>(&checked))
        return Refused(err, ReplaceLineBreaks(FailureMessage(*failure), ' '));
    if (!(out << BuildCopyText(std::get<CheckedOptions>(checked)) << std::flush))
        return Refused(err, NotWritten("the code"));
    return 0;
}

// --options: the choices and the body from a JSON file, or from standard input for "-".
int WriteCodeOfChoices(const std::string& path, const CodePageWidth& codePage, std::istream& in, std::ostream& out,
                       std::ostream& err)
{
    std::ifstream file;
    if (path != "-")
        file.open(path, std::ios::binary);
    std::istream& source = path == "-" ? in : file;
    std::string text;
    bool readable = static_cast<bool>(source);
    try {
        text.assign(std::istreambuf_iterator<char>(source), std::istreambuf_iterator<char>{});
    } catch (const std::ios_base::failure&) {
        // A folder opens as a file on Linux and fails only when it is read.
        readable = false;
    }
    if (!readable)
        return Refused(err, About("--options " + path, "the file cannot be read"));
    auto choices = std::variant<MessageBoxOptions, std::string>(std::string());
    try {
        choices = ChoicesFromJson(nlohmann::json::parse(text));
    } catch (const nlohmann::json::parse_error& error) {
        choices = "it is not JSON (the fault is at byte " + std::to_string(error.byte) + ")";
    }
    if (const auto* fault = std::get_if<std::string>(&choices))
        return Refused(err, About("--options " + path, *fault));
    return WriteCode(std::get<MessageBoxOptions>(choices), codePage, out, err);
}

// Whether any option but `only` and `also` was given.
bool OthersGiven(const CLI::App& app, const CLI::Option* only, const CLI::Option* also)
{
    const auto others = app.get_options([&](const CLI::Option* option) { return option != only && option != also; });
    return std::ranges::any_of(others, [](const CLI::Option* option) { return option->count() > 0; });
}

// What a command line asks for, read but not yet done.
struct GenTask {
    enum class Action { ShowUsage, WriteCode, Decode, ReadChoices, WriteCodeOfChoices };
    Action What = Action::WriteCode;
    MessageBoxOptions Options; // The choices of WriteCode; its body is read from standard input when it runs.
    std::string Argument;      // The style to decode, the file of choices, or the usage to show.
    CodePageWidth CodePage;    // What the code of WriteCode and WriteCodeOfChoices is saved in.
};

// A command line that cannot be read: why, and the usage to show with it.
struct UsageFault {
    std::string Reason;
    std::string Usage;
};

std::variant<GenTask, UsageFault> ReadCommandLine(int argc, const char* const argv[])
{
    CLI::App app{"Writes the Visual Basic code of a MsgBox call, with the message body read from standard input."};
    app.name("vellumet-gen");

    GenTask task;
    MessageBoxOptions& options = task.Options;
    std::string buttons = "ok";
    int defaultPosition = 1;
    std::string icon = "none";
    std::string language(RowOf(Language::VB6).Key);
    CLI::Option* languageOption = app.add_option("--language", language, "The language the code is for")
                                      ->check(CLI::IsMember(LanguageNames))
                                      ->capture_default_str();
    app.add_option("--buttons", buttons, "The set of buttons")
        ->check(CLI::IsMember(ButtonSetNames))
        ->capture_default_str();
    app.add_option("--default", defaultPosition, "The default button's place in the set, from 1")
        ->capture_default_str();
    app.add_option("--icon", icon, "The icon")->check(CLI::IsMember(IconNames))->capture_default_str();
    // Each of these options sets its choice; the Help button's details need --help-button.
    CLI::Option* helpButton = nullptr;
    const auto choice = [&](CLI::Option* option, auto member) {
        return IsHelpDetail(member) ? option->needs(helpButton) : option;
    };
    const auto flag = [&](const std::string& name, bool MessageBoxOptions::*member, const std::string& description) {
        return choice(app.add_flag(name, options.*member, description), member);
    };
    const auto text = [&](const std::string& name, std::string MessageBoxOptions::*member,
                          const std::string& description) {
        return choice(app.add_option(name, options.*member, description), member);
    };
    flag("--system-modal", &MessageBoxOptions::SystemModal, "The box is system-modal");
    flag("--as-value", &MessageBoxOptions::CopyAsValue, "Write the style as a number, not as named constants");
    text("--title", &MessageBoxOptions::TitleText, "The title of the box");
    text("--variable", &MessageBoxOptions::VariableText, "The variable that receives the answer")
        ->capture_default_str();
    helpButton = flag("--help-button", &MessageBoxOptions::IncludeHelpButton, "The box has a Help button");
    text("--help-file", &MessageBoxOptions::HelpFileText, "The help file's name or path");
    flag("--app-path", &MessageBoxOptions::UseAppPath, "The help file lies in the application's folder");
    text("--topic", &MessageBoxOptions::TopicIDText, "The help topic (context) number, -32768 to 32767")
        ->capture_default_str();
    flag("--help-default", &MessageBoxOptions::HelpButtonIsDefault, "The Help button is the default button");

    unsigned codePage = SystemAnsiCodePage();
    CLI::Option* codePageOption =
        app.add_option("--code-page", codePage,
                       "The ANSI code page the code is saved in; a character it lacks is written as ChrW(...). "
                       "65001 keeps every character as it is. The default is this system's");

    std::string decode;
    CLI::Option* decodeOption =
        app.add_option("--decode", decode,
                       "Instead of writing code, translate a style: a number such as 291 into its constants, "
                       "an expression such as \"vbYesNo + vbQuestion\" into its value; then say what it means");
    bool readCall = false;
    CLI::Option* readOption = app.add_flag("--read", readCall,
                                           "Instead of writing code, read a MsgBox call from standard input "
                                           "and write its choices as one JSON object");
    std::string choicesPath;
    CLI::Option* optionsOption = app.add_option("--options", choicesPath,
                                                "Take the choices and the body from a JSON object as --read writes it, "
                                                "in FILE or on standard input for -")
                                     ->type_name("FILE");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        return GenTask{GenTask::Action::ShowUsage, {}, app.help(), {}};
    } catch (const CLI::ParseError& error) {
        return UsageFault{error.what(), app.help()};
    }

    // --options takes the code page of the code it writes, and --read the language it reads in unless the code
    // shows another.
    const std::map<const CLI::Option*, const CLI::Option*> companions = {{optionsOption, codePageOption},
                                                                         {readOption, languageOption}};
    for (CLI::Option* alone : {decodeOption, readOption, optionsOption}) {
        const auto companion = companions.find(alone);
        const CLI::Option* also = companion == companions.end() ? alone : companion->second;
        if (*alone && OthersGiven(app, alone, also))
            return UsageFault{alone->get_name() + " takes no other option" +
                                  (also != alone ? " but " + also->get_name() : "") + ".",
                              app.help()};
    }
    if (*decodeOption)
        return GenTask{GenTask::Action::Decode, {}, decode, {}};
    if (*readOption) {
        options.CodeLanguage = LanguageNames.at(language);
        return GenTask{GenTask::Action::ReadChoices, options, {}, {}};
    }
    auto width = CodePageWidthOf(codePage);
    if (!width)
        return UsageFault{About("--code-page " + std::to_string(codePage), "this system cannot convert to it"),
                          app.help()};
    task.CodePage = std::move(*width);
    if (*optionsOption)
        return GenTask{GenTask::Action::WriteCodeOfChoices, {}, choicesPath, task.CodePage};

    const int buttonSet = ButtonSetNames.at(buttons);
    const auto buttonChoice = ButtonChoiceFor(buttonSet, defaultPosition);
    if (!buttonChoice) {
        const std::size_t setSize = ButtonSetOf(*ButtonChoiceFor(buttonSet, 1)).Buttons.size();
        return UsageFault{
            About("--default " + std::to_string(defaultPosition), TheSetHas(buttonSet) + Counted(setSize, "button")),
            app.help()};
    }
    options.ButtonOption = *buttonChoice;
    options.Icon = IconNames.at(icon);
    options.CodeLanguage = LanguageNames.at(language);
    return task;
}

int RunTask(GenTask task, std::istream& in, std::ostream& out, std::ostream& err)
{
    switch (task.What) {
    case GenTask::Action::ShowUsage: out << task.Argument; return 0;
    case GenTask::Action::Decode: return Decode(task.Argument, out, err);
    case GenTask::Action::ReadChoices: return ReadChoices(task.Options.CodeLanguage, in, out, err);
    case GenTask::Action::WriteCodeOfChoices: return WriteCodeOfChoices(task.Argument, task.CodePage, in, out, err);
    case GenTask::Action::WriteCode: break;
    }
    task.Options.BodyText.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (const auto fault = FirstInvalidUtf8(task.Options.BodyText))
        return Refused(err, About("standard input",
                                  "the body is not UTF-8 (the fault is at byte " + std::to_string(*fault) + ")"));
    return WriteCode(task.Options, task.CodePage, out, err);
}

} // namespace

int RunGenCommand(int argc, const char* const argv[], std::istream& in, std::ostream& out, std::ostream& err)
{
    auto read = ReadCommandLine(argc, argv);
    if (const auto* fault = std::get_if<UsageFault>(&read)) {
        err << MessageStart << fault->Reason << "\n\n" << fault->Usage;
        return ExitUsage;
    }
    return RunTask(std::move(std::get<GenTask>(read)), in, out, err);
}

} // namespace vellumet
