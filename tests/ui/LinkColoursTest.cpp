// The link's colours against the window colours the desktops paint.
#include "ui/LinkColours.h"
#include "support/CaseTable.h"
#include "ui/Layout.h"

#include <gtest/gtest.h>

#include <string>

using namespace vellumet;

namespace {

// RRGGBB as 0x00BBGGRR.
unsigned ColourOf(const std::string& html)
{
    const unsigned rgb = std::stoul(html, nullptr, 16);
    return (rgb >> 16) | (rgb & 0x00FF00) | (rgb & 0xFF) << 16;
}

int Hundredths(const std::string& ratio) { return std::stoi(ratio.substr(0, 1)) * 100 + std::stoi(ratio.substr(2)); }

TEST(LinkColours, ReadableShadeOnEachWindowColour)
{
    const auto rows = vellumet::testing::ReadCaseTable("link-contrast.tsv");
    ASSERT_EQ(rows.size(), 8u);
    for (const auto& row : rows) {
        const unsigned background = ColourOf(row[0]);
        const unsigned colour = ColourOf(row[1]);
        const unsigned shown = ColourOf(row[3]);
        SCOPED_TRACE(row[1] + " on " + row[0]);
        EXPECT_EQ(ContrastHundredths(colour, background), Hundredths(row[2]));
        EXPECT_EQ(ShownTextColour(colour, {background, {}}), shown);
        EXPECT_EQ(ContrastHundredths(shown, background), Hundredths(row[4]));
        EXPECT_TRUE(IsReadable(shown, background));
    }
}

} // namespace
