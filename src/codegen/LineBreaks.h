// Line breaks as the whole program reads them: a CR LF pair, a lone CR and a lone LF are each one break.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

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

// Whether the text holds a line break: a CR or an LF anywhere.
template <class Text>
bool HoldsLineBreak(const Text& text)
{
    return std::ranges::any_of(text, [](auto c) { return c == u'\r' || c == u'\n'; });
}

namespace line_break_scan {

inline constexpr std::uint64_t EveryByte = 0x0101010101010101;
inline constexpr std::uint64_t LowSevenBits = 0x7F7F7F7F7F7F7F7F;
inline constexpr std::uint64_t FirstByteTop = 0x80;
inline constexpr std::uint64_t LastByteTop = 0x8000000000000000;

// Eight bytes of text from `at`, the first in the lowest byte of the word on any processor; past the text's end
// the word holds zeros, which no stop is.
inline std::uint64_t WordAt(std::string_view text, std::size_t at)
{
    std::uint64_t word = 0;
    if (text.size() - at >= sizeof word) [[likely]]
        std::memcpy(&word, text.data() + at, sizeof word);
    else
        std::memcpy(&word, text.data() + at, text.size() - at);
    if constexpr (std::endian::native == std::endian::big) {
        std::uint64_t reversed = 0;
        for (std::size_t i = 0; i < sizeof word; ++i, word >>= 8)
            reversed = reversed << 8 | (word & 0xFF);
        word = reversed;
    }
    return word;
}

// The top bit of each byte of `word` that equals `c`, and no other bit. Adding 0x7F to a byte's low seven bits
// carries into its top bit unless they are all zero, and never into the next byte.
constexpr std::uint64_t BytesEqualTo(std::uint64_t word, char c)
{
    const std::uint64_t difference = word ^ (EveryByte * static_cast<unsigned char>(c));
    return ~(((difference & LowSevenBits) + LowSevenBits) | difference | LowSevenBits);
}

// The stops of text in wider characters, such as UTF-16, one character at a time.
template <char... Also, class Text, class Take>
void ForEachStopInCharacters(const Text& text, Take&& take)
{
    using Index = decltype(text.size());
    for (Index at = 0; at < text.size();) {
        const Index lineBreak = LineBreakAt(text, at);
        const bool also = (... || (text[at] == char16_t(Also)));
        if (lineBreak != 0 || also)
            take(at, std::max(lineBreak, Index{1}));
        at += std::max(lineBreak, Index{1});
    }
}

// Text is mostly runs of plain characters, so bytes are looked at eight at a time, as one word: a mask holds the
// stops of the word, and they are handed out in order by clearing its lowest bit, which does not wait on reading
// the text again.
template <char... Also, class Take>
void ForEachStopInBytes(std::string_view text, Take&& take)
{
    bool startsInsideCrLf = false; // The word before ended with the CR of a CR LF.
    for (std::size_t wordStart = 0; wordStart < text.size(); wordStart += sizeof(std::uint64_t)) {
        const std::uint64_t word = WordAt(text, wordStart);
        const std::uint64_t cr = BytesEqualTo(word, '\r');
        const std::uint64_t lf = BytesEqualTo(word, '\n');
        // A CR that an LF follows, in this word or as the next word's first byte, starts a CR LF.
        const bool endsInsideCrLf =
            (cr & LastByteTop) != 0 && wordStart + sizeof word < text.size() && text[wordStart + sizeof word] == '\n';
        const std::uint64_t crLf = (cr & (lf >> 8)) | (endsInsideCrLf ? LastByteTop : 0);
        std::uint64_t stops = (cr | lf | (std::uint64_t{0} | ... | BytesEqualTo(word, Also))) & ~(crLf << 8);
        if (startsInsideCrLf)
            stops &= ~FirstByteTop;
        startsInsideCrLf = endsInsideCrLf;
        for (; stops != 0; stops &= stops - 1) {
            const int bit = std::countr_zero(stops);
            take(wordStart + static_cast<std::size_t>(bit / 8), std::size_t{1} + (crLf >> bit & 1));
        }
    }
}

} // namespace line_break_scan

// Hands each stop of the text to take(index, length), in order: each line break, with LineBreakAt's length, and
// each of the characters `Also`, with length 1.
template <char... Also, class Text, class Take>
void ForEachStop(const Text& text, Take&& take)
{
    using Index = decltype(text.size());
    if constexpr (sizeof(text[0]) == 1 && std::is_same_v<Index, std::size_t>) {
        line_break_scan::ForEachStopInBytes<Also...>(std::string_view(text.data(), text.size()), take);
    } else {
        line_break_scan::ForEachStopInCharacters<Also...>(text, take);
    }
}

// Calls onBreak(index, length) for each line break of the text, in order, with LineBreakAt's length.
template <class Text, class OnBreak>
void ForEachLineBreak(const Text& text, OnBreak&& onBreak)
{
    ForEachStop(text, onBreak);
}

struct IgnoreLineBreak {
    template <class Index>
    constexpr void operator()(Index /*index*/, Index /*length*/) const
    {}
};

// The text with each line break, CR LF included, made one `replacement` character. onBreak(index, length) is told
// of each break of the text as it is met, for a caller that keeps positions in the text.
template <class Text, class OnBreak = IgnoreLineBreak>
Text ReplaceLineBreaks(const Text& text, typename Text::value_type replacement, OnBreak&& onBreak = {})
{
    using Index = decltype(text.size());
    Text replaced;
    replaced.reserve(text.size());
    Index lineStart = 0;
    ForEachLineBreak(text, [&](Index at, Index length) {
        onBreak(at, length);
        replaced.append(text.data() + lineStart, at - lineStart);
        replaced += replacement;
        lineStart = at + length;
    });
    replaced.append(text.data() + lineStart, text.size() - lineStart);
    return replaced;
}

} // namespace vellumet
