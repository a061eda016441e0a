// The code page on Linux and other POSIX systems: chosen from the locale's language, and asked of iconv.
#include "CodePage.h"

#include <iconv.h>

#include <array>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace vellumet {
namespace {

// The ANSI code page Windows uses for each language, by the language's code; languages not named use 1252.
// Chinese depends on the country as well.
const std::map<std::string_view, unsigned> CodePageOfLanguage = {
    {"cs", 1250}, {"hu", 1250}, {"pl", 1250}, {"ro", 1250}, {"sk", 1250}, {"sl", 1250}, {"hr", 1250},
    {"bs", 1250}, {"sq", 1250}, {"ru", 1251}, {"uk", 1251}, {"be", 1251}, {"bg", 1251}, {"mk", 1251},
    {"sr", 1251}, {"kk", 1251}, {"ky", 1251}, {"mn", 1251}, {"tt", 1251}, {"el", 1253}, {"tr", 1254},
    {"az", 1254}, {"he", 1255}, {"iw", 1255}, {"yi", 1255}, {"ar", 1256}, {"fa", 1256}, {"ur", 1256},
    {"lt", 1257}, {"lv", 1257}, {"et", 1257}, {"vi", 1258}, {"th", 874},  {"ja", 932},  {"ko", 949},
};
constexpr unsigned WesternCodePage = 1252;

unsigned CodePageOfLocale(std::string_view locale)
{
    const std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    if (language == "zh") {
        const std::string_view country = locale.size() >= 5 && locale[2] == '_' ? locale.substr(3, 2) : "";
        return country == "TW" || country == "HK" || country == "MO" ? 950 : 936;
    }
    const auto found = CodePageOfLanguage.find(language);
    return found == CodePageOfLanguage.end() ? WesternCodePage : found->second;
}

// One character at a time from UTF-32 to the code page and back; a character that does not come back as itself
// is one the code page does not hold.
class Converter {
public:
    Converter(iconv_t to, iconv_t from)
        : to(to)
        , from(from)
    {}
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    ~Converter()
    {
        iconv_close(to);
        iconv_close(from);
    }

    std::size_t Width(char32_t character)
    {
        std::array<char, 16> bytes{};
        const std::size_t width = Convert(to, Utf32(character), bytes);
        if (width == 0)
            return 0;
        std::array<char, 16> back{};
        const std::size_t backLength = Convert(from, std::string(bytes.data(), width), back);
        return std::string(back.data(), backLength) == Utf32(character) ? width : 0;
    }

private:
    iconv_t to;
    iconv_t from;

    static std::string Utf32(char32_t character)
    {
        std::string bytes(4, '\0');
        for (std::size_t i = 0; i < 4; ++i)
            bytes[i] = static_cast<char>(character >> (8 * i) & 0xFF);
        return bytes;
    }

    // The bytes written, or 0 when the converter refused the input.
    static std::size_t Convert(iconv_t converter, std::string input, std::array<char, 16>& output)
    {
        iconv(converter, nullptr, nullptr, nullptr, nullptr);
        char* in = input.data();
        std::size_t inLeft = input.size();
        char* out = output.data();
        std::size_t outLeft = output.size();
        if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0)
            return 0;
        return output.size() - outLeft;
    }
};

} // namespace

unsigned SystemAnsiCodePage()
{
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LANG"}) {
        const char* locale = std::getenv(name);
        if (locale != nullptr && *locale != '\0')
            return CodePageOfLocale(locale);
    }
    return WesternCodePage;
}

std::optional<CodePageWidth> CodePageWidthOf(unsigned codePage)
{
    if (codePage == Utf8CodePage)
        return CodePageWidth(Utf8Width);
    const std::string name = "CP" + std::to_string(codePage);
    const iconv_t to = iconv_open(name.c_str(), "UTF-32LE");
    if (to == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    const iconv_t from = iconv_open("UTF-32LE", name.c_str());
    if (from == reinterpret_cast<iconv_t>(-1)) {
        iconv_close(to);
        return std::nullopt;
    }
    auto converter = std::make_shared<Converter>(to, from);
    return CodePageWidth([converter](char32_t character) { return converter->Width(character); });
}

} // namespace vellumet
