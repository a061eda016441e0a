// UTF-8 read a character at a time, by the rules of well-formed UTF-8.
#include "CodePage.h"

#include <cstdint>
#include <cstring>

namespace vellumet {

std::size_t Utf8Width(char32_t character)
{
    return character < 0x80 ? 1 : character < 0x800 ? 2 : character < 0x10000 ? 3 : 4;
}

std::size_t AsciiWidth(char32_t character) { return character < 0x80 ? 1 : 0; }

std::size_t WidthIn(std::string_view text, const CodePageWidth& codePage)
{
    std::size_t width = 0;
    for (std::size_t at = 0; at < text.size();) {
        const auto character = DecodeUtf8At(text, at);
        width += !character ? 1 : character->Value < 0x80 ? 1 : codePage(character->Value);
        at += character ? character->Length : 1;
    }
    return width;
}

std::optional<Utf8Character> DecodeUtf8At(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return Utf8Character{lead, 1};
    // The length a lead byte announces, the bits it carries, and the least value of that length, below which the
    // form is overlong.
    std::size_t length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1Fu, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0Fu, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07u, least = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < length)
        return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return std::nullopt;
        value = value << 6 | (byte(at + i) & 0x3Fu);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return std::nullopt;
    return Utf8Character{value, length};
}

std::optional<std::size_t> FirstInvalidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        // ASCII, most of any text, needs no decoding, and eight bytes of it are looked at together.
        if (std::uint64_t word = 0; text.size() - at >= sizeof word) {
            std::memcpy(&word, text.data() + at, sizeof word);
            if ((word & 0x8080808080808080) == 0) {
                at += sizeof word;
                continue;
            }
        }
        if (static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const auto character = DecodeUtf8At(text, at);
        if (!character)
            return at;
        at += character->Length;
    }
    return std::nullopt;
}

} // namespace vellumet
