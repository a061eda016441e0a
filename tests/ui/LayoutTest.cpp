// The main window's layout as a keyboard and a screen reader user meet it.
#include "ui/Layout.h"
#include "support/CaseTable.h"
#include "support/WindowDriver.h"
#include "ui/Keyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

using namespace vellumet;
using enum Control;

namespace {

// A screen reader user tells controls apart only by what is spoken, so no two
// controls that take the focus, and no two groups, may sound alike; and no two
// controls share an Alt letter.
TEST(AccessibleNames, FocusableControlsAndGroupsHaveDistinctNamesAndLetters)
{
    EXPECT_EQ(MarkedLetter("Tools && m&ore"), 'O');
    EXPECT_EQ(MarkedLetter("Ends in &"), std::nullopt);
    std::set<std::string> spoken;
    std::set<char> letters;
    for (const ControlLayout& row : MainWindowLayout) {
        if (const auto letter = MarkedLetter(row.Caption)) {
            EXPECT_TRUE(letters.insert(*letter).second) << row.Name;
        }
        const AccessibleRole role = RoleOf(row.Id);
        if (!TakesFocus(row.Kind) && role != AccessibleRole::Grouping && role != AccessibleRole::Graphic)
            continue;
        const std::string name = AccessibleNameOf(row.Id, row.Caption);
        EXPECT_FALSE(name.empty()) << row.Name;
        EXPECT_TRUE(spoken.insert(name).second) << row.Name << " sounds like another control: " << name;
    }
}

TEST(AccessibleNames, SpokenFromCaptionOrLayout)
{
    for (const auto& row : vellumet::testing::ReadCaseTable("linux-accessible-names.tsv"))
        EXPECT_EQ(AccessibleNameOf(vellumet::testing::ControlNamed(row.at(0)), row.at(1)), row.at(2)) << row.at(0);
}

// The keyboard goes through every control once, the tab control first, and
// through the options of each group one after the other, with nothing between
// them at which the arrow keys would stop.
TEST(KeyboardOrder, TakesEachGroupWhole)
{
    const auto order = KeyboardOrder();
    EXPECT_EQ(order.front(), SSTab1);
    EXPECT_EQ(std::set(order.begin(), order.end()).size(), ControlCount - 1);
    for (Control group : OptionGroups()) {
        const std::vector<Control> options = OptionsOf(group);
        const auto first = std::ranges::find(order, options.front());
        ASSERT_LE(options.size(), static_cast<std::size_t>(order.end() - first));
        EXPECT_TRUE(std::equal(options.begin(), options.end(), first)) << LayoutOf(group).Name;
    }
}

} // namespace
