// Reading a MsgBox call in Visual Basic source back into the window's choices.
#include "ReadCall.h"

#include "BuildCode.h"
#include "CodePage.h"
#include "Functions.h"
#include "LineBreaks.h"
#include "MessageBoxStyle.h"
#include "ReadText.h"
#include "StyleDecode.h"
#include "VariableName.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <span>
#include <vector>

namespace vellumet {
namespace {

// Words that make a statement on their own: before ":" such a word is that statement, not a label.
constexpr std::array<std::string_view, 14> StatementWords = {"Beep",   "Close",  "Do",   "DoEvents",  "Else",
                                                             "End",    "Loop",   "Next", "Randomize", "Reset",
                                                             "Resume", "Return", "Stop", "Wend"};

// Words that start a statement which branches, loops or jumps: an assignment after one may not have run, or may
// run again, before the call.
constexpr std::array<std::string_view, 19> BranchWords = {
    "Case", "Do",   "Else", "ElseIf", "End",    "Exit",   "For",  "GoSub", "GoTo", "If",
    "Loop", "Next", "On",   "Resume", "Return", "Select", "Wend", "While", "With"};

// The arguments of MsgBox by their names, in their places.
constexpr std::array<std::string_view, 5> ArgumentNames = {"Prompt", "Buttons", "Title", "HelpFile", "Context"};

bool IsOneOf(const Token& token, std::span<const std::string_view> words)
{
    return std::ranges::any_of(words, [&](std::string_view word) { return IsWord(token, word); });
}

// The text of tokens as written, one space between each two.
std::string SourceOf(Tokens tokens)
{
    std::string text;
    for (const Token& token : tokens)
        text.append(text.empty() ? "" : " ").append(token.Text);
    return text;
}

bool IsLineNumber(const Token& token)
{
    return token.Kind == TokenKind::Number &&
           std::ranges::all_of(token.Text, [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// A label: a line number, or one word that is no statement of its own, before ":".
bool IsLabel(const Statement& statement)
{
    return statement.size() == 1 && (IsLineNumber(statement[0]) ||
                                     (statement[0].Kind == TokenKind::Word && !IsOneOf(statement[0], StatementWords)));
}

// A statement without the line number before it.
Tokens WithoutLineNumber(const Statement& statement)
{
    const Tokens tokens(statement);
    return tokens.size() > 1 && IsLineNumber(tokens[0]) ? tokens.subspan(1) : tokens;
}

bool OnOneLine(const Statement& before, const Statement& after)
{
    return !before.empty() && !after.empty() && before.back().Line == after.front().Line;
}

// How a token changes the depth of parentheses.
int DepthStep(const Token& token) { return IsSymbol(token, "(") ? 1 : IsSymbol(token, ")") ? -1 : 0; }

struct Declared {
    std::string_view Name;
    std::string_view Type; // Empty without "As".
    bool IsArray = false;
};

// The variables a Dim statement declares, with their types.
std::vector<Declared> DeclaredBy(Tokens dim)
{
    std::vector<Declared> names;
    int depth = 0; // Within an array's bounds a comma parts the bounds, not the variables.
    for (std::size_t at = 1; at < dim.size(); ++at) {
        depth += DepthStep(dim[at]);
        if (depth == 0 && dim[at].Kind == TokenKind::Word && (at == 1 || IsSymbol(dim[at - 1], ",")))
            names.push_back({dim[at].Text, {}, at + 1 < dim.size() && IsSymbol(dim[at + 1], "(")});
        if (depth == 0 && IsWord(dim[at], "As") && at + 1 < dim.size() && !names.empty())
            names.back().Type = dim[at + 1].Text;
    }
    return names;
}

// Sets the choices a style makes, refusing what the window cannot choose.
void ApplyStyle(int style, MessageBoxOptions& options)
{
    for (const VbConstant& constant : StyleConstants()) {
        const bool windowHasNoSuchChoice = constant.Kind == StyleKind::Foreground ||
                                           constant.Kind == StyleKind::RightAligned ||
                                           constant.Kind == StyleKind::RightToLeft;
        if (windowHasNoSuchChoice && (style & constant.Value) != 0)
            RefuseRead("the style has " + std::string(constant.Name) + ", which the window cannot choose");
    }
    const int setValue = style & StyleMask(StyleKind::Buttons);
    const int position = (style & StyleMask(StyleKind::DefaultButton)) / style_flag::DefaultButtonStep + 1;
    const bool help = (style & style_flag::HelpButton) != 0;
    const ButtonChoice first = *ButtonChoiceFor(setValue, 1);
    const std::size_t setSize = ButtonSetOf(first).Buttons.size();

    if (const auto choice = ButtonChoiceFor(setValue, position)) {
        options.ButtonOption = *choice;
    } else if (help && position == static_cast<int>(setSize) + 1) {
        options.ButtonOption = first;
        options.HelpButtonIsDefault = true;
    } else {
        RefuseRead("the style makes button " + std::to_string(position) + " the default, but " +
                   ExpressionOf(setValue) + " has " + Counted(setSize, "button") +
                   (help ? " and Help" : " and no Help button"));
    }
    options.IncludeHelpButton = help;
    options.SystemModal = (style & style_flag::SystemModal) != 0;
    options.Icon = LayoutOfStyle(style).Icon;
}

// The index of the parenthesis that closes the one at `open`, if there is one.
std::size_t ClosingParenthesis(Tokens tokens, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < tokens.size(); ++i) {
        depth += DepthStep(tokens[i]);
        if (depth == 0)
            return i;
    }
    return tokens.size();
}

// The arguments of the call in their places, named ones (Title:="Save") moved to theirs.
std::array<Tokens, ArgumentNames.size()> PlaceArguments(Tokens tokens)
{
    std::vector<Tokens> pieces;
    int depth = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        depth += DepthStep(tokens[i]);
        if (depth < 0)
            RefuseRead("a parenthesis of the call closes that was never opened");
        if (depth == 0 && IsSymbol(tokens[i], ",")) {
            pieces.push_back(tokens.subspan(start, i - start));
            start = i + 1;
        }
    }
    if (depth != 0)
        RefuseRead("a parenthesis of the call is not closed");
    pieces.push_back(tokens.subspan(start));
    if (pieces.size() > ArgumentNames.size())
        RefuseRead("MsgBox takes at most five arguments, and this call has " + std::to_string(pieces.size()));

    std::array<Tokens, ArgumentNames.size()> arguments;
    std::array<bool, ArgumentNames.size()> given{};
    bool named = false;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        Tokens piece = pieces[i];
        std::size_t place = i;
        if (piece.size() > 1 && IsSymbol(piece[1], ":=")) {
            const auto name =
                std::ranges::find_if(ArgumentNames, [&](std::string_view word) { return IsWord(piece[0], word); });
            if (name == ArgumentNames.end())
                RefuseRead("MsgBox has no argument named " + std::string(piece[0].Text));
            place = static_cast<std::size_t>(name - ArgumentNames.begin());
            if (piece.size() == 2)
                RefuseRead(std::string(*name) + ":= has no value");
            piece = piece.subspan(2);
            named = true;
        } else if (named && !piece.empty()) {
            RefuseRead("an argument without a name follows a named one, which Visual Basic refuses");
        }
        if (given.at(place))
            RefuseRead("the call gives its " + std::string(ArgumentNames.at(place)) + " twice");
        given.at(place) = !piece.empty();
        arguments.at(place) = piece;
    }
    return arguments;
}

// A text argument of the call, which must be whole characters of UTF-8; only the body may hold line breaks.
std::string ReadTextArgument(Tokens tokens, std::string_view part, const TextVariables& variables, bool oneLine = true)
{
    std::string text = ReadText(tokens, part, variables);
    RefuseHalfCharacters(text, part);
    // The window's texts are Unicode, and the code is written from UTF-8.
    if (const auto offset = FirstInvalidUtf8(text))
        RefuseRead(std::string(part) + " is not UTF-8 from its byte " + std::to_string(*offset + 1) + " on");
    if (oneLine && HoldsLineBreak(text))
        RefuseRead(std::string(part) + " holds a line break, which the window keeps to the body");
    return text;
}

bool SameToken(const Token& a, const Token& b) { return a.Kind == b.Kind && EqualIgnoringCase(a.Text, b.Text); }

// The language whose folder expression leads the help file, as in App.Path & "h.chm", taking the expression and its
// "&" off the tokens.
std::optional<Language> TakeFolder(Tokens& tokens)
{
    for (const LanguageRow& row : Languages) {
        const Statement folder = Lex(row.FolderExpression).front();
        if (tokens.size() > folder.size() + 1 && IsSymbol(tokens[folder.size()], "&") &&
            std::equal(folder.begin(), folder.end(), tokens.begin(), SameToken)) {
            tokens = tokens.subspan(folder.size() + 1);
            return row.Id;
        }
    }
    return std::nullopt;
}

// The help context: a whole number written out, in decimal, hexadecimal or octal, with an optional sign.
std::string ReadContext(Tokens tokens)
{
    const bool hasSign = tokens.size() == 2 && (IsSymbol(tokens[0], "-") || IsSymbol(tokens[0], "+"));
    const NumberValue number = tokens.size() == (hasSign ? 2u : 1u) && tokens.back().Kind == TokenKind::Number
                                   ? ValueOfNumber(tokens.back().Text)
                                   : NumberValue{NumberFault::NotANumber};
    const std::int64_t value = hasSign && IsSymbol(tokens[0], "-") ? -number.Value : number.Value;
    if (number.Fault != NumberFault::None || !ConvertTopicID(std::to_string(value))) {
        std::string written;
        for (const Token& token : tokens)
            written += token.Text;
        RefuseRead("the help context, " + written + ", is not " + TopicIDRange());
    }
    return std::to_string(value);
}

// The choices a call makes, and the language its help file's folder names.
struct ReadStatementResult {
    MessageBoxOptions Options;
    std::optional<Language> FolderLanguage;
};

bool IsComparison(const Token& token) { return IsSymbol(token, "=") || IsSymbol(token, "<") || IsSymbol(token, ">"); }

ReadStatementResult ReadStatement(Tokens statement, const TextVariables& variables)
{
    ReadStatementResult result;
    MessageBoxOptions& options = result.Options;
    std::size_t at = 0;
    bool assigned = false;
    if (IsWord(statement[0], "Call")) {
        at = 1;
    } else if (statement.size() > 2 && statement[0].Kind == TokenKind::Word && IsSymbol(statement[1], "=")) {
        options.VariableText = statement[0].Text;
        at = 2;
        assigned = true;
    }
    if (at >= statement.size() || !IsWord(statement[at], "MsgBox"))
        RefuseRead("the MsgBox call stands inside a larger statement; only a call on its own or "
                   "\"Variable = MsgBox(...)\" can be read");

    Tokens argumentTokens = statement.subspan(at + 1);
    const bool inParentheses = !argumentTokens.empty() && IsSymbol(argumentTokens[0], "(");
    const std::size_t close = inParentheses ? ClosingParenthesis(argumentTokens, 0) : argumentTokens.size();
    if (assigned && close + 1 < argumentTokens.size() && IsComparison(argumentTokens[close + 1]))
        RefuseRead("the answer is compared (" + std::string(SourceSpan(argumentTokens.subspan(close + 1))) +
                   "), and the window keeps the answer in a variable and compares it in a Select Case");
    if (inParentheses && close == argumentTokens.size() - 1)
        argumentTokens = argumentTokens.subspan(1, argumentTokens.size() - 2);
    else if (assigned)
        RefuseRead("the MsgBox call of an assignment needs its arguments in parentheses, with nothing after them");

    const auto arguments = PlaceArguments(argumentTokens);
    if (arguments[0].empty())
        RefuseRead("the call has no body");
    options.BodyText = ReadTextArgument(arguments[0], "the body", variables, false);
    if (TrimSpaces(options.BodyText).empty())
        RefuseRead("the body is blank, and the window writes no call without one");

    if (!arguments[1].empty()) {
        const auto style = EvaluateStyleTokens(arguments[1], SourceSpan(arguments[1]));
        if (const auto* fault = std::get_if<std::string>(&style))
            RefuseRead("the style: " + *fault);
        ApplyStyle(std::get<EvaluatedStyle>(style).Value, options);
        options.CopyAsValue = std::get<EvaluatedStyle>(style).PlainNumber;
    }

    if (!arguments[2].empty())
        options.TitleText = ReadTextArgument(arguments[2], "the title", variables);

    const bool hasFile = !arguments[3].empty(), hasContext = !arguments[4].empty();
    if (hasFile != hasContext)
        RefuseRead(hasFile ? "the call has a help file but no help context"
                           : "the call has a help context but no help file");
    if (hasFile) {
        // The help file and the context as written are details of the Help button, which need one.
        MessageBoxOptions written = options;
        written.HelpFileText = SourceSpan(arguments[3]);
        written.TopicIDText = SourceSpan(arguments[4]);
        if (HelpDetailsLackHelpButton(written))
            RefuseRead("the call has a help file, but its style has no Help button, and the window writes the help "
                       "file only with one");
        Tokens file = arguments[3];
        result.FolderLanguage = TakeFolder(file);
        options.UseAppPath = result.FolderLanguage.has_value();
        options.HelpFileText = ReadTextArgument(file, "the help file", variables);
        options.TopicIDText = ReadContext(arguments[4]);
    }
    return result;
}

// Refuses a statement that shares the call's line: the window's code replaces the line and would drop it. A label
// or line number at the line's start, and a Dim of the call's own variable, are passed over. Returns the call
// without a line number at the line's start.
Tokens CallOnItsLine(const std::vector<Statement>& statements, std::size_t call)
{
    const Statement& statement = statements[call];
    const bool assigned = statement.size() > 2 && IsSymbol(statement[1], "=");
    const auto refuse = [](const Statement& other) {
        RefuseRead("the line also holds " + InQuotes(SourceOf(other)) +
                   ", which the window cannot keep; give the MsgBox call a line of its own");
    };
    std::size_t first = call;
    while (first > 0 && OnOneLine(statements[first - 1], statements[first]))
        --first;
    for (std::size_t i = first; i < call; ++i) {
        const Tokens other = WithoutLineNumber(statements[i]);
        const auto declared = IsWord(other[0], "Dim") ? DeclaredBy(other) : std::vector<Declared>{};
        const bool ownDim = assigned && declared.size() == 1 && EqualIgnoringCase(declared[0].Name, statement[0].Text);
        if (!(i == first && IsLabel(statements[i])) && !ownDim)
            refuse(statements[i]);
    }
    for (std::size_t i = call + 1; i < statements.size() && OnOneLine(statements[i - 1], statements[i]); ++i)
        refuse(statements[i]);
    return first == call ? WithoutLineNumber(statement) : Tokens(statement);
}

// Whether a statement starts or ends a procedure, whose variables are its own: "Sub", "Function" or "Property"
// first, or after "End" or a word of access.
bool BoundsProcedure(Tokens statement)
{
    static constexpr std::array<std::string_view, 3> Procedures = {"Sub", "Function", "Property"};
    static constexpr std::array<std::string_view, 5> Leaders = {"End", "Private", "Public", "Friend", "Static"};
    const std::size_t at = statement.size() > 1 && IsOneOf(statement[0], Leaders) ? 1 : 0;
    return IsOneOf(statement[at], Procedures);
}

// The String variables set before the call, as far as their texts are written out. An assignment after a statement
// that branches or jumps may not have run, and a statement of any other kind may change a variable it names, so
// each of those leaves its variables unknown. A procedure's start or end forgets them all.
TextVariables VariablesBefore(const std::vector<Statement>& statements, std::size_t call)
{
    TextVariables variables;
    bool branched = false;
    for (std::size_t i = 0; i < call; ++i) {
        const Tokens statement = WithoutLineNumber(statements[i]);
        if (statement.empty())
            continue;
        if (BoundsProcedure(statement)) {
            variables.clear();
            branched = false;
            continue;
        }
        branched = branched || IsLabel(statements[i]) || IsOneOf(statement[0], BranchWords);
        const std::size_t at = IsWord(statement[0], "Let") ? 1 : 0;
        if (IsWord(statement[0], "Dim")) {
            // A Dim takes effect when its procedure starts, so it sets no value over one already given.
            for (const Declared& name : DeclaredBy(statement))
                if (!name.IsArray && (name.Type.empty() || EqualIgnoringCase(name.Type, "String")))
                    variables.try_emplace(VariableKey(name.Name));
                else
                    variables.erase(VariableKey(name.Name));
        } else if (!branched && statement.size() > at + 2 && statement[at].Kind == TokenKind::Word &&
                   IsSymbol(statement[at + 1], "=")) {
            const std::string key = VariableKey(statement[at].Text);
            try {
                variables[key] = ReadText(statement.subspan(at + 2), {}, variables);
            } catch (const ReadRefusal&) {
                variables.erase(key);
            }
        } else {
            for (const Token& token : statement)
                if (token.Kind == TokenKind::Word)
                    variables.erase(VariableKey(token.Text));
        }
    }
    return variables;
}

// The language the code is written in: the one its help file's folder names; else, when a declaration has "As", the
// language given if it declares types and Visual Basic 6 if not; else the one without types when a Dim has no "As";
// else the language given.
Language LanguageOf(const std::vector<Statement>& statements, std::optional<Language> folder, Language given)
{
    bool typed = false, untypedDim = false;
    for (const Statement& statement : statements) {
        const Tokens tokens = WithoutLineNumber(statement);
        const bool as = std::ranges::any_of(tokens, [](const Token& token) { return IsWord(token, "As"); });
        typed = typed || as;
        untypedDim = untypedDim || (!tokens.empty() && IsWord(tokens[0], "Dim") && !as);
    }
    if (folder) {
        const std::string name(RowOf(*folder).Caption);
        if (typed && !RowOf(*folder).DeclaresTypes)
            RefuseRead("the help file's folder is written for " + name +
                       ", but the code declares a type with As, which " + name + " cannot");
        return *folder;
    }
    if (typed)
        return RowOf(given).DeclaresTypes ? given : Language::VB6;
    if (untypedDim)
        return std::ranges::find_if(Languages, [](const LanguageRow& row) { return !row.DeclaresTypes; })->Id;
    return given;
}

// Refuses an answer's variable that Copy Code would refuse in the language read, such as a constant's name: the
// window could not write the call again. OK only writes no variable.
void RefuseVariableCopyRefuses(const MessageBoxOptions& options)
{
    if (options.ButtonOption == ButtonChoice::OKOnly)
        return;
    // Visual Basic's names are ASCII here, which every code page holds.
    const auto fault = VariableNameFault(CleanVariableName(options.VariableText), options.CodeLanguage, Utf8Width);
    if (!fault)
        return;
    std::string why = ReplaceLineBreaks(FailureMessage(*fault), ' ');
    why.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(why.front())));
    why.pop_back(); // its full stop
    RefuseRead("the answer goes to " + options.VariableText + ", which Copy Code would not write: " + why);
}

} // namespace

std::variant<MessageBoxOptions, std::string> ReadCall(std::string_view source, Language language)
{
    try {
        const std::vector<Statement> statements = Lex(source);
        std::size_t call = 0;
        std::vector<int> callLines;
        for (const Statement& statement : statements)
            for (const Token& token : statement)
                if (token.Kind == TokenKind::UnclosedString)
                    RefuseRead("line " + std::to_string(token.Line) + ": a string is not closed");
        for (std::size_t i = 0; i < statements.size(); ++i)
            for (const Token& token : statements[i])
                if (IsWord(token, "MsgBox")) {
                    call = i;
                    callLines.push_back(token.Line);
                }
        if (callLines.empty())
            RefuseRead("there is no MsgBox call");
        if (callLines.size() > 1)
            RefuseRead("there is more than one MsgBox call (lines " + std::to_string(callLines[0]) + " and " +
                       std::to_string(callLines[1]) + ")");
        ReadStatementResult read = ReadStatement(CallOnItsLine(statements, call), VariablesBefore(statements, call));
        MessageBoxOptions& options = read.Options;
        options.CodeLanguage = LanguageOf(statements, read.FolderLanguage, language);
        RefuseVariableCopyRefuses(options);
        return options;
    } catch (const ReadRefusal& refusal) {
        return refusal.Reason;
    }
}

MessageBoxOptions CanonicalChoices(const MessageBoxOptions& options)
{
    const MessageBoxOptions defaults;
    MessageBoxOptions choices = WithoutUnusedHelpDetails(options);
    if (choices.IncludeHelpButton) {
        choices.HelpFileText = TrimSpaces(choices.HelpFileText);
        if (const auto topic = ConvertTopicID(choices.TopicIDText))
            choices.TopicIDText = std::to_string(*topic);
    }
    if (choices.HelpButtonIsDefault)
        choices.ButtonOption = *ButtonChoiceFor(ButtonSetOf(choices.ButtonOption).Value, 1);
    if (TrimSpaces(choices.TitleText).empty())
        choices.TitleText.clear();
    choices.VariableText =
        choices.ButtonOption == ButtonChoice::OKOnly ? defaults.VariableText : CleanVariableName(choices.VariableText);
    return choices;
}

} // namespace vellumet
