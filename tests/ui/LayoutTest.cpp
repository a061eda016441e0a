#include "ui/Layout.h"
#include "ui/Keyboard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>

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
    const std::tuple<Control, std::string, std::string> cases[] = {
        {cmdCopy, "&Copy Code", "Copy Code"},
        {cmdExit, "&Exit", "Exit"},
        {Label8, "Tools && more", "Tools & more"},
        {Label1, "Title:", "Title:"},
        {Label1, "Ends in &", "Ends in "},
        {txtTitle, "what was typed", "Title"},
        {optOKCancel1, "OK", "OK, in OK and Cancel"},
        {optQuestion, "", "Question"},
        {cmdBrowse, "...", "Browse for a help file"},
        {lblDefault, "No", "Default Button: No"},
        {lblDefault, "Help", "Default Button: Help"},
    };
    for (const auto& [control, caption, name] : cases)
        EXPECT_EQ(AccessibleNameOf(control, caption), name) << LayoutOf(control).Name;
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
