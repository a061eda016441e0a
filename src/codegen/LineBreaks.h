#pragma once

namespace vellumet {

// The length of the line break that starts at index: 2 for CR LF, 1 for a lone CR or LF, 0 where none starts.
// Text is any string or string view whose characters compare with char16_t (std::string_view, QStringView).
template <class Text, class Index>
constexpr Index LineBreakAt(const Text& text, Index index)
{
    // Callers walk up to the end of the text, where no line break can start.
    const auto size = static_cast<Index>(text.size());
    if (index >= size)
        return Index{0};
    if (text[index] == u'\r')
        return index + 1 < size && text[index + 1] == u'\n' ? Index{2} : Index{1};
    return text[index] == u'\n' ? Index{1} : Index{0};
}

} // namespace vellumet
