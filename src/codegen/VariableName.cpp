// The rules of a variable's name, and the words each language reserves.
#include "VariableName.h"

#include "Functions.h"
#include "VbConstants.h"

#include <algorithm>
#include <array>
#include <string>
#include <unordered_set>

namespace vellumet {
namespace {

// The reserved identifiers of VBA, which VB6 shares: its statement, marker and operator keywords, special forms,
// reserved names, type names, literals, Rem and the words reserved for the implementation and the future.
constexpr auto VbaReservedWords = std::to_array<std::string_view>({"Call",
                                                                   "Case",
                                                                   "Close",
                                                                   "Const",
                                                                   "Declare",
                                                                   "DefBool",
                                                                   "DefByte",
                                                                   "DefCur",
                                                                   "DefDate",
                                                                   "DefDbl",
                                                                   "DefInt",
                                                                   "DefLng",
                                                                   "DefLngLng",
                                                                   "DefLngPtr",
                                                                   "DefObj",
                                                                   "DefSng",
                                                                   "DefStr",
                                                                   "DefVar",
                                                                   "Dim",
                                                                   "Do",
                                                                   "Else",
                                                                   "ElseIf",
                                                                   "End",
                                                                   "EndIf",
                                                                   "Enum",
                                                                   "Erase",
                                                                   "Event",
                                                                   "Exit",
                                                                   "For",
                                                                   "Friend",
                                                                   "Function",
                                                                   "Get",
                                                                   "Global",
                                                                   "GoSub",
                                                                   "GoTo",
                                                                   "If",
                                                                   "Implements",
                                                                   "Input",
                                                                   "Let",
                                                                   "Lock",
                                                                   "Loop",
                                                                   "LSet",
                                                                   "Next",
                                                                   "On",
                                                                   "Open",
                                                                   "Option",
                                                                   "Print",
                                                                   "Private",
                                                                   "Public",
                                                                   "Put",
                                                                   "RaiseEvent",
                                                                   "ReDim",
                                                                   "Resume",
                                                                   "Return",
                                                                   "RSet",
                                                                   "Seek",
                                                                   "Select",
                                                                   "Set",
                                                                   "Static",
                                                                   "Stop",
                                                                   "Sub",
                                                                   "Type",
                                                                   "Unlock",
                                                                   "Wend",
                                                                   "While",
                                                                   "With",
                                                                   "Write",
                                                                   "Rem",
                                                                   "Any",
                                                                   "As",
                                                                   "ByRef",
                                                                   "ByVal",
                                                                   "Each",
                                                                   "In",
                                                                   "New",
                                                                   "Shared",
                                                                   "Until",
                                                                   "WithEvents",
                                                                   "Optional",
                                                                   "ParamArray",
                                                                   "Preserve",
                                                                   "Spc",
                                                                   "Tab",
                                                                   "Then",
                                                                   "To",
                                                                   "AddressOf",
                                                                   "And",
                                                                   "Eqv",
                                                                   "Imp",
                                                                   "Is",
                                                                   "Like",
                                                                   "Mod",
                                                                   "Not",
                                                                   "Or",
                                                                   "TypeOf",
                                                                   "Xor",
                                                                   "Abs",
                                                                   "CBool",
                                                                   "CByte",
                                                                   "CCur",
                                                                   "CDate",
                                                                   "CDbl",
                                                                   "CDec",
                                                                   "CInt",
                                                                   "CLng",
                                                                   "CLngLng",
                                                                   "CLngPtr",
                                                                   "CSng",
                                                                   "CStr",
                                                                   "CVar",
                                                                   "CVErr",
                                                                   "Date",
                                                                   "Debug",
                                                                   "DoEvents",
                                                                   "Fix",
                                                                   "Int",
                                                                   "Len",
                                                                   "LenB",
                                                                   "Me",
                                                                   "PSet",
                                                                   "Scale",
                                                                   "Sgn",
                                                                   "String",
                                                                   "Array",
                                                                   "Circle",
                                                                   "InputB",
                                                                   "LBound",
                                                                   "UBound",
                                                                   "Boolean",
                                                                   "Byte",
                                                                   "Currency",
                                                                   "Double",
                                                                   "Integer",
                                                                   "Long",
                                                                   "LongLong",
                                                                   "LongPtr",
                                                                   "Single",
                                                                   "Variant",
                                                                   "True",
                                                                   "False",
                                                                   "Nothing",
                                                                   "Empty",
                                                                   "Null",
                                                                   "Attribute",
                                                                   "LineInput",
                                                                   "VB_Base",
                                                                   "VB_Control",
                                                                   "VB_Creatable",
                                                                   "VB_Customizable",
                                                                   "VB_Description",
                                                                   "VB_Exposed",
                                                                   "VB_GlobalNameSpace",
                                                                   "VB_HelpID",
                                                                   "VB_Name",
                                                                   "VB_PredeclaredId",
                                                                   "VB_UserMemId",
                                                                   "CDecl",
                                                                   "Decimal",
                                                                   "DefDec"});

// The keywords of VBScript, and the words it keeps for the types and statements of Visual Basic it lacks.
constexpr auto VbScriptReservedWords = std::to_array<std::string_view>(
    {"And",      "As",       "Boolean",    "ByRef", "Byte",   "ByVal",    "Call",  "Case",       "Class",    "Const",
     "Currency", "Debug",    "Default",    "Dim",   "Do",     "Double",   "Each",  "Else",       "ElseIf",   "Empty",
     "End",      "EndIf",    "Enum",       "Eqv",   "Erase",  "Error",    "Event", "Exit",       "Explicit", "False",
     "For",      "Function", "Get",        "GoSub", "GoTo",   "If",       "Imp",   "Implements", "In",       "Integer",
     "Is",       "Let",      "Like",       "Long",  "Loop",   "LSet",     "Me",    "Mod",        "New",      "Next",
     "Not",      "Nothing",  "Null",       "On",    "Option", "Optional", "Or",    "ParamArray", "Preserve", "Private",
     "Property", "Public",   "RaiseEvent", "ReDim", "Rem",    "Resume",   "RSet",  "Select",     "Set",      "Shared",
     "Single",   "Static",   "Step",       "Stop",  "Sub",    "Then",     "To",    "True",       "Type",     "TypeOf",
     "Until",    "Variant",  "Wend",       "While", "With",   "Xor"});

// The functions the block calls besides the constants.
constexpr auto BlockFunctions = std::to_array<std::string_view>({"MsgBox", "Chr", "ChrW"});

bool IsAsciiLetter(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// A character beyond ASCII that the code page holds counts as a letter unless it stands in a block of signs:
// Latin-1's signs and its multiplication and division signs, the general punctuation and symbols, and CJK
// punctuation.
bool IsLetterBeyondAscii(char32_t c)
{
    return !(c <= 0xBF || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x2BFF) || (c >= 0x3000 && c <= 0x303F));
}

// Hands take(name) the first name of each member chain in the folder expression, outside its string literals: App
// of App.Path, CreateObject and WScript of the script's folder.
template <class Take>
void ForEachChainStart(std::string_view expression, Take&& take)
{
    bool inLiteral = false;
    for (std::size_t at = 0; at < expression.size(); ++at) {
        if (expression[at] == '"')
            inLiteral = !inLiteral;
        const bool starts = !inLiteral && IsAsciiLetter(static_cast<unsigned char>(expression[at])) &&
                            (at == 0 || (expression[at - 1] != '.' && !IsAsciiLetter(expression[at - 1])));
        if (starts)
            take(expression.substr(at, std::min(expression.find_first_of(".()& ", at), expression.size()) - at));
    }
}

// The names each language's block may not give its variable, folded to one case, gathered once.
const std::unordered_set<std::string>& TakenNames(Language language)
{
    static const auto taken = [] {
        std::array<std::unordered_set<std::string>, Languages.size()> sets;
        for (const LanguageRow& row : Languages) {
            std::unordered_set<std::string>& names = sets.at(static_cast<std::size_t>(row.Id));
            const auto take = [&](std::string_view name) { names.insert(FoldedCase(name)); };
            if (row.Id == Language::VBScript)
                std::ranges::for_each(VbScriptReservedWords, take);
            else
                std::ranges::for_each(VbaReservedWords, take);
            std::ranges::for_each(BlockFunctions, take);
            for (const ConstantGroup group : {ConstantGroup::Text, ConstantGroup::Style, ConstantGroup::Answer})
                std::ranges::for_each(ConstantsOf(group), take, &VbConstant::Name);
            ForEachChainStart(row.FolderExpression, take);
        }
        return sets;
    }();
    return taken.at(static_cast<std::size_t>(language));
}

} // namespace

std::optional<GenerateFailure> VariableNameFault(std::string_view name, Language language,
                                                 const CodePageWidth& codePage)
{
    constexpr std::size_t MaxNameLength = 255;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < name.size(); ++characters) {
        const auto decoded = DecodeUtf8At(name, at);
        if (!decoded)
            return GenerateFailure::TextNotUtf8;
        const char32_t c = decoded->Value;
        at += decoded->Length;
        const bool letter = IsAsciiLetter(c) || (c >= 0x80 && IsLetterBeyondAscii(c));
        if (characters == 0 && !letter)
            return GenerateFailure::VariableNameNotStartingWithLetter;
        if (!letter && c != '_' && !(c >= '0' && c <= '9'))
            return GenerateFailure::VariableNameCharacter;
        if (c >= 0x80 && codePage(c) == 0)
            return GenerateFailure::VariableNameOutsideCodePage;
    }
    if (characters > MaxNameLength)
        return GenerateFailure::VariableNameTooLong;
    if (TakenNames(language).contains(FoldedCase(name)))
        return GenerateFailure::VariableNameReserved;
    return std::nullopt;
}

} // namespace vellumet
