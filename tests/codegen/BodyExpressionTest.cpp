// The body as a Visual Basic string expression: the worked cases, and random bodies that evaluate back to themselves.
#include "codegen/BodyExpression.h"
#include "platform/CodePage.h"
#include "support/CaseTable.h"
#include "support/VbStringEvaluator.h"

#include <gtest/gtest.h>

#include <random>

namespace vellumet {
namespace {

using testing::EvaluateVbString;

// A Western system's code page, as its converter sees it.
const CodePageWidth Western = *CodePageWidthOf(1252);

TEST(BodyExpression, EveryCaseOfTheTable)
{
    const auto cases = testing::ReadCaseTable("body-expressions.tsv");
    ASSERT_GT(cases.size(), 20u);
    for (const auto& c : cases)
        EXPECT_EQ(BodyExpression(c.at(1), Western), c.at(2)) << c.at(0);
}

// The round trip below trusts the evaluator to refuse what Visual Basic would refuse.
TEST(BodyExpression, EvaluatorIsStrict)
{
    EXPECT_EQ(EvaluateVbString(R"("a ""b""" & vbCrLf & vbTab & ChrW(&H3A9) & ChrW(&HD83D) & ChrW(&HDE00))"),
              "a \"b\"\r\n\t\u03A9\U0001F600");
    for (const char* malformed : {"", "\"a\" \"b\"", "\"a\" &", "\"a\" & ", "\"a\"&\"b\"", "\"a", "\"a\"b\"", "vbCRLF",
                                  "vbCrLfx", "\"a\r\nb\"", "Chr(200)"})
        EXPECT_EQ(EvaluateVbString(malformed), std::nullopt) << malformed;
}

// Random bodies from the characters that need quoting, a constant or a call, characters a Western code page lacks,
// and the letters of the constants' names, evaluate back to themselves.
TEST(BodyExpression, RoundTripOfRandomBodies)
{
    const std::vector<std::string> alphabet = {"\r", "\n",      "\r\n", "\t",   " ", "\"", "&",     "v",  "b",
                                               "C",  "r",       "L",    "f",    "é", "€",  "x",     "\r", "\n",
                                               "\"", {"\0", 1}, "\x01", "\x7f", "Ω", "😀",  "\u0085"};
    std::mt19937 random(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int n = 0; n < 5000 && !HasFailure(); ++n) {
        std::string body;
        for (int i = length(random); i > 0; --i)
            body += alphabet[pick(random)];
        EXPECT_EQ(EvaluateVbString(BodyExpression(body, Western)), body) << BodyExpression(body, Western);
    }
}

} // namespace
} // namespace vellumet
