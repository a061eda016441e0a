// Small text routines of the code generator and its readers.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vellumet {

// Removes leading and trailing space characters only; tabs and line breaks stay.
std::string_view TrimSpaces(std::string_view text);

// Whether two words are equal in any ASCII letter case, as Visual Basic names are.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// The word with its ASCII letters in lower case, the form in which names equal in any case are the same.
std::string FoldedCase(std::string_view name);

// The text between two double quotes, as it is; nothing inside is doubled. For quoting in messages.
std::string InQuotes(std::string_view text);

// "1 button", "2 buttons": a count of a thing whose plural adds an s.
std::string Counted(std::size_t count, std::string_view thing);

// "expected WHAT at "TEXT"", for a reader's refusal.
std::string ExpectedAt(std::string_view what, std::string_view text);

} // namespace vellumet
