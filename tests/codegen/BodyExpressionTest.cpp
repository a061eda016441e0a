// The body as a Visual Basic string expression: the worked cases, and random bodies that evaluate back to themselves.
#include "codegen/BodyExpression.h"
#include "support/CaseTable.h"
#include "support/VbStringEvaluator.h"

#include <gtest/gtest.h>

#include <random>

namespace vellumet {
namespace {

using testing::EvaluateVbString;

TEST(BodyExpression, EveryCaseOfTheTable)
{
    const auto cases = testing::ReadCaseTable("body-expressions.tsv");
    ASSERT_GT(cases.size(), 20u);
    for (const auto& c : cases)
        EXPECT_EQ(BodyExpression(c.at(1)), c.at(2)) << c.at(0);
}

// The round trip below trusts the evaluator to refuse what Visual Basic would refuse.
TEST(BodyExpression, EvaluatorIsStrict)
{
    EXPECT_EQ(EvaluateVbString(R"("a ""b""" & vbCrLf & vbTab)"), "a \"b\"\r\n\t");
    for (const char* malformed : {"", "\"a\" \"b\"", "\"a\" &", "\"a\" & ", "\"a\"&\"b\"", "\"a", "\"a\"b\"", "vbCRLF",
                                  "vbCrLfx", "\"a\r\nb\""})
        EXPECT_EQ(EvaluateVbString(malformed), std::nullopt) << malformed;
}

// Random bodies from the characters that need quoting or a constant, and the letters of the
// constants' names, evaluate back to themselves.
TEST(BodyExpression, RoundTripOfRandomBodies)
{
    const std::vector<std::string> alphabet = {"\r", "\n", "\r\n", "\t", " ", "\"", "&",  "v",  "b", "C",
                                               "r",  "L",  "f",    "é",  "€", "x",  "\r", "\n", "\""};
    std::mt19937 random(20261206);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int n = 0; n < 5000 && !HasFailure(); ++n) {
        std::string body;
        for (int i = length(random); i > 0; --i)
            body += alphabet[pick(random)];
        EXPECT_EQ(EvaluateVbString(BodyExpression(body)), body) << "expression " << BodyExpression(body);
    }
}

} // namespace
} // namespace vellumet
