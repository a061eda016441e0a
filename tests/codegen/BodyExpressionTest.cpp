#include "codegen/Functions.h"

#include <gtest/gtest.h>

namespace vellumet {
namespace {

struct BodyCase {
    const char* name;
    std::string body; // as typed, before its quotes are doubled
    std::string expression;
};

class BodyExpression : public ::testing::TestWithParam<BodyCase> {};

TEST_P(BodyExpression, IsWrittenExactly)
{
    const BodyCase& c = GetParam();
    EXPECT_EQ(QuoteBody(ConvertLineBreaks(DoubleQuotes(c.body))), c.expression);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, BodyExpression,
    ::testing::Values(BodyCase{"TwoLines", "Hello\r\nWorld", R"("Hello" & vbCrLf & "World")"},
                      BodyCase{"BreaksAndTab", "\r\nLine\tx\r\n\r\n", R"(vbCrLf & "Line" & vbTab & "x" & vbCrLf & vbCrLf)"},
                      BodyCase{"OneBreak", "\r\n", "vbCrLf"},
                      BodyCase{"Quotes", R"(He said "hi")", R"("He said ""hi""")"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Ends, BodyExpression,
    ::testing::Values(BodyCase{"Empty", "", R"("")"},
                      BodyCase{"OnlyBreaks", "\r\n\r\n\r\n", "vbCrLf & vbCrLf & vbCrLf"},
                      BodyCase{"LeadingBreak", "\r\nabc", R"(vbCrLf & "abc")"},
                      BodyCase{"TrailingBreak", "abc\r\n", R"("abc" & vbCrLf)"},
                      BodyCase{"LeadingLineFeed", "\nabc", R"("" & vbLf & "abc")"},
                      BodyCase{"TrailingTab", "abc\t", R"("abc" & vbTab & "")"},
                      BodyCase{"OnlyTab", "\t", R"("" & vbTab & "")"},
                      BodyCase{"BreakThenTab", "\r\n\t", R"(vbCrLf & vbTab & "")"}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Runs, BodyExpression,
    ::testing::Values(BodyCase{"BreaksInside", "a\r\n\r\nb", R"("a" & vbCrLf & vbCrLf & "b")"},
                      BodyCase{"TabThenLineFeed", "a\t\nb", R"("a" & vbTab & vbLf & "b")"},
                      BodyCase{"NonAscii", "Grüße\r\n€ 5", R"("Grüße" & vbCrLf & "€ 5")"}),
    [](const auto& info) { return info.param.name; });

// The user's own text is never taken for generated syntax.
INSTANTIATE_TEST_SUITE_P(
    TypedTextStaysText, BodyExpression,
    ::testing::Values(BodyCase{"AmpersandQuoteAmpersand", R"(x & " & y)", R"("x & "" & y")"},
                      BodyCase{"QuoteNextToTab", "a & \"\t\" & b", R"("a & """ & vbTab & """ & b")"},
                      BodyCase{"TypedConstantName", "Press vbCrLf now", R"("Press vbCrLf now")"},
                      BodyCase{"TypedConstantAlone", "vbCrLf", R"("vbCrLf")"},
                      BodyCase{"SpacesAroundBreak", " \r\n ", R"(" " & vbCrLf & " ")"},
                      BodyCase{"SpaceBeforeBreak", " \r\n", R"(" " & vbCrLf)"}),
    [](const auto& info) { return info.param.name; });

// A CR with no LF after it is written as vbCr, where vbLf would stand.
INSTANTIATE_TEST_SUITE_P(
    LoneCarriageReturn, BodyExpression,
    ::testing::Values(BodyCase{"Inside", "a\rb", R"("a" & vbCr & "b")"},
                      BodyCase{"AtEnd", "abc\r", R"("abc" & vbCr & "")"},
                      BodyCase{"BeforeBreak", "\r\r\n", R"("" & vbCr & vbCrLf)"},
                      BodyCase{"LineFeedThenCr", "a\n\rb", R"("a" & vbLf & vbCr & "b")"}),
    [](const auto& info) { return info.param.name; });

TEST(ConvertLineBreaks, SplitsTextFromConstants)
{
    using K = BodyPiece::Kind;
    const std::vector<BodyPiece> expected = {{K::Text, "a"}, {K::CrLf, ""}, {K::Cr, ""},  {K::Text, "b c"},
                                             {K::Lf, ""},    {K::Tab, ""},  {K::Text, "d"}};
    const BodyPieces pieces = ConvertLineBreaks("a\r\n\rb c\n\td");
    EXPECT_EQ(std::vector<BodyPiece>(pieces.begin(), pieces.end()), expected);
    EXPECT_EQ(ConvertLineBreaks("").begin(), ConvertLineBreaks("").end());
}

TEST(TrimSpaces, RemovesSpacesOnly)
{
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces("\t a \r\n"), "\t a \r\n");
}

} // namespace
} // namespace vellumet
