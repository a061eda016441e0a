// The link's colours against the window colours the desktops paint.
#include "ui/LinkColours.h"
#include "support/CaseTable.h"
#include "ui/Layout.h"

#include <gtest/gtest.h>

#include <string>

using namespace vellumet;

TEST(LinkColours, ReadableShadeOnEachWindowColour)
{
    const auto rows = vellumet::testing::ReadCaseTable("link-contrast.tsv");
    ASSERT_EQ(rows.size(), 8u);
    for (const auto& row : rows) {
        // RRGGBB as 0x00BBGGRR, and a ratio in hundredths.
        const auto colour = [&row](int field) {
            const unsigned rgb = std::stoul(row[field], nullptr, 16);
            return (rgb >> 16) | (rgb & 0x00FF00) | (rgb & 0xFF) << 16;
        };
        const auto hundredths = [&row](int field) { return std::stoi(row[field].substr(0, 1) + row[field].substr(2)); };
        SCOPED_TRACE(row[1] + " on " + row[0]);
        EXPECT_EQ(ContrastHundredths(colour(1), colour(0)), hundredths(2));
        EXPECT_EQ(ShownTextColour(colour(1), {colour(0), {}}), colour(3));
        EXPECT_EQ(ContrastHundredths(colour(3), colour(0)), hundredths(4));
        EXPECT_TRUE(IsReadable(colour(3), colour(0)));
    }
}
