// The languages generated code is written for, in one table: how each declares the answer's variable, the
// expression of the folder a help file lies in, and the limits its editor puts on a statement.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vellumet {

// In the order the window lists them; Visual Basic 6 is the start value.
enum class Language { VB6, VbaExcel, VbaWord, VbaAccess, VbaPowerPoint, VBScript };

struct LanguageRow {
    Language Id;
    std::string_view Key;     // vellumet-gen's --language value and the "language" of its JSON
    std::string_view Caption; // the window's "Code for:" list
    // Whether a variable is declared with its type ("Dim Response As Long"); VBScript has only Variants and
    // declares "Dim Response".
    bool DeclaresTypes;
    // What leads the help file's name when the help file lies in the program's or document's folder.
    std::string_view FolderExpression;
    // The caption of the check box that chooses that folder.
    std::string_view FolderCaption;
    // The editor's limits: characters on a physical line, line continuations in a statement, and characters in a
    // statement.
    std::size_t MaxLineLength;
    std::size_t MaxContinuations;
    std::size_t MaxStatementLength;
};

// clang-format off
inline constexpr std::array<LanguageRow, 6> Languages{{
    {Language::VB6, "vb6", "Visual Basic 6", true, "App.Path", "Use App.Path + Your Help File", 1023, 24, 10230},
    {Language::VbaExcel, "vba-excel", "VBA in Excel", true, "ThisWorkbook.Path", "Use ThisWorkbook.Path + Your Help File", 1023, 24, 10230},
    {Language::VbaWord, "vba-word", "VBA in Word", true, "ThisDocument.Path", "Use ThisDocument.Path + Your Help File", 1023, 24, 10230},
    {Language::VbaAccess, "vba-access", "VBA in Access", true, "CurrentProject.Path", "Use CurrentProject.Path + Your Help File", 1023, 24, 10230},
    {Language::VbaPowerPoint, "vba-powerpoint", "VBA in PowerPoint", true, "ActivePresentation.Path", "Use ActivePresentation.Path + Your Help File", 1023, 24, 10230},
    {Language::VBScript, "vbscript", "VBScript", false, "CreateObject(\"Scripting.FileSystemObject\").GetParentFolderName(WScript.ScriptFullName)", "Use the Script's Folder + Your Help File", 1023, 24, 10230},
}};
// clang-format on

static_assert(
    [] {
        for (std::size_t i = 0; i < Languages.size(); ++i)
            if (static_cast<std::size_t>(Languages[i].Id) != i)
                return false;
        return true;
    }(),
    "each language's row stands at its place");

constexpr const LanguageRow& RowOf(Language language) { return Languages.at(static_cast<std::size_t>(language)); }

} // namespace vellumet
