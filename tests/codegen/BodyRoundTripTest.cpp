#include "codegen/Functions.h"
#include "support/VbStringEvaluator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace vellumet {
namespace {

using vellumet::testing::EvaluateVbString;

// Shows text between brackets with its control characters and non-ASCII bytes visible.
std::string Escaped(const std::string& text)
{
    std::string shown = "[";
    for (unsigned char c : text) {
        if (c == '\r') shown += "\\r";
        else if (c == '\n') shown += "\\n";
        else if (c == '\t') shown += "\\t";
        else if (c == '\\') shown += "\\\\";
        else if (c < 0x20 || c >= 0x7f) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            shown += hex;
        } else shown += static_cast<char>(c);
    }
    return shown + "]";
}

TEST(VbStringEvaluator, AcceptsOnlyWellFormedExpressions)
{
    struct Case {
        std::string Expression;
        std::optional<std::string> Value;
    };
    const Case cases[] = {
        {R"("a" & vbCrLf & "b")", "a\r\nb"},
        {R"("He said ""hi""")", "He said \"hi\""},
        {R"("")", ""},
        {R"("""")", "\""},
        {"vbCr & vbLf & vbTab", "\r\n\t"},
        {"\"\xE2\x82\xAC\"", "\xE2\x82\xAC"},
        {R"("a" "b")", std::nullopt},
        {R"("a" &)", std::nullopt},
        {R"("a" & )", std::nullopt},
        {R"("a" && "b")", std::nullopt},
        {R"("a"&"b")", std::nullopt},
        {R"(& "a")", std::nullopt},
        {"\"a", std::nullopt},
        {"\"a\r\nb\"", std::nullopt},
        {R"("a"b")", std::nullopt},
        {"vbCRLF", std::nullopt},
        {"vbCrLfx", std::nullopt},
        {"vbNewLine", std::nullopt},
        {R"("a" x)", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EvaluateVbString(c.Expression), c.Value) << Escaped(c.Expression);
}

TEST(BodyRoundTrip, RandomBodiesEvaluateBackToThemselves)
{
    // Weighted toward the characters that need quoting or a constant, and the
    // letters of the constant names, so that mistakes in joining show up.
    const std::vector<std::string> alphabet = {"\r", "\n", "\r\n", "\t", " ", "\"", "&", "v",   "b",
                                               "C",  "r",  "L",    "f",  "é", "€",  "x", "\r", "\n", "\""};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);

    int failures = 0;
    for (int n = 0; n < 5000 && failures < 10; ++n) {
        std::string body;
        for (int i = length(random); i > 0; --i)
            body += alphabet[pick(random)];
        const std::string expression = QuoteBody(ConvertLineBreaks(DoubleQuotes(body)));
        const std::optional<std::string> value = EvaluateVbString(expression);
        if (value != body) {
            ++failures;
            ADD_FAILURE() << "body " << Escaped(body) << "\nwrites " << Escaped(expression) << "\nevaluates to "
                          << (value ? Escaped(*value) : std::string("(malformed)"));
        }
    }
}

} // namespace
} // namespace vellumet
