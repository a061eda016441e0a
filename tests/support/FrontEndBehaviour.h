// What the main window does with the keyboard on every desktop, as tables for
// each front end's window tests to walk: Tab and Shift+Tab round each tab, the
// arrow keys in each option group, and the keys the window takes wherever the
// focus is. Controls go by their names, keys by names such as "Alt+T".
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <future>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace vellumet::testing {

using ControlNames = std::vector<std::string>;

inline ControlNames Split(const std::string& spaced)
{
    ControlNames names;
    std::istringstream words(spaced);
    for (std::string name; words >> name;)
        names.push_back(name);
    return names;
}

// After the steps (as in window-examples.tsv, with "key:Escape"), Tab from the
// tab strip of the tab visits the stops in turn and comes back to the strip;
// Shift+Tab visits them backwards, entering each option group from behind.
struct TabWalk {
    std::string Name;
    int Tab;
    std::vector<std::string> Steps;
    ControlNames Stops;
};

inline std::vector<TabWalk> TabWalks()
{
    const std::string commands = " cmdTry cmdReset cmdCopy cmdHelp cmdExit";
    const std::string general = "txtTitle txtBody chkSystemModal ";
    // clang-format off
    return {
        {"About", 0, {}, Split(commands)},
        {"General", 1, {}, Split(general + "optText cboLanguage" + commands)},
        {"GeneralValueChosen", 1, {"click:optValue"}, Split(general + "optValue cboLanguage" + commands)},
        {"Style", 2, {}, Split("optNoIcon optOKOnly" + commands)},
        {"StyleLastOptionsChosen", 2, {"click:optInformation", "click:optRetryCancel2"},
         Split("optInformation optRetryCancel2 txtVariable" + commands)},
        // Reset, by Esc from inside the body, puts back every choice and text and
        // selects the first options while the focus was last on others.
        {"StyleAfterReset", 2, {"type:txtTitle:Title", "type:txtBody:Body", "click:optCritical",
         "click:optAbortRetryIgnore3", "type:txtVariable:Answer", "click:chkMsgBoxHelpButton", "type:txtTopicID:25",
         "click:chkHelpButtonDefault", "click:optValue", "click:txtBody", "key:Escape"},
         Split("optNoIcon optOKOnly" + commands)},
        {"GeneralAfterReset", 1, {"click:optValue", "key:Escape"}, Split(general + "optText cboLanguage" + commands)},
        {"HelpButton", 3, {}, Split("chkMsgBoxHelpButton" + commands)},
        {"HelpButtonDetailsEnabled", 3, {"click:chkMsgBoxHelpButton"},
         Split("chkMsgBoxHelpButton txtHelpFile cmdBrowse chkAppPathHelpFile txtTopicID chkHelpButtonDefault" + commands)},
    };
    // clang-format on
}

// The option groups, each in its tab order.
inline std::vector<ControlNames> OptionGroupMembers()
{
    return {Split("optText optValue"), Split("optNoIcon optCritical optQuestion optExclamation optInformation"),
            Split("optOKOnly optOKCancel1 optOKCancel2 optAbortRetryIgnore1 optAbortRetryIgnore2 optAbortRetryIgnore3 "
                  "optYesNoCancel1 optYesNoCancel2 optYesNoCancel3 optYesNo1 optYesNo2 optRetryCancel1 "
                  "optRetryCancel2")};
}

// An arrow key pressed in a group, from its first option on, and how far it
// moves the selection, wrapping round.
struct ArrowMove {
    std::string Key;
    int Step;
};

inline std::vector<ArrowMove> ArrowMoves()
{
    return {{"Down", 1}, {"Right", 1}, {"Up", -1}, {"Left", -1}, {"Left", -1}, {"Right", 1}};
}

// Where the focus rests when a key of the window is pressed: a control, on a tab.
struct FocusPlace {
    int Tab;
    std::string Control;
};

// The keys that press a command button wherever the focus is: Alt with the
// letter its caption marks, and Esc, which presses Reset.
struct CommandKey {
    std::string Key;
    std::string Presses;
};

inline std::vector<FocusPlace> KeyFocusPlaces()
{
    return {{0, "SSTab1"},   {1, "SSTab1"},  {2, "SSTab1"},   {3, "SSTab1"},
            {1, "txtTitle"}, {1, "txtBody"}, {2, "optNoIcon"}};
}

inline std::vector<CommandKey> CommandKeys()
{
    return {{"Alt+T", "cmdTry"},  {"Alt+R", "cmdReset"}, {"Alt+C", "cmdCopy"},
            {"Alt+H", "cmdHelp"}, {"Alt+E", "cmdExit"},  {"Esc", "cmdReset"}};
}

// The keys that show the next or the previous tab wherever the focus is,
// wrapping round, with the focus on the tab strip.
struct TabKey {
    std::string Key;
    int Step;
};

inline std::vector<TabKey> TabKeys()
{
    return {{"Ctrl+Tab", 1}, {"Ctrl+Shift+Tab", -1}, {"Ctrl+PgDown", 1}, {"Ctrl+PgUp", -1}};
}

// Keys pressed after Esc, which leaves the focus on the tab strip: every Alt
// letter, and Tab or Shift+Tab before a letter. The focus stays on controls
// that show, and the window keeps answering.
inline std::vector<std::vector<std::string>> KeysAfterReset()
{
    std::vector<std::vector<std::string>> keys{{"Tab", "Tab", "F"}, {"Shift+Tab", "Shift+Tab", "F"}, {"Tab", "Alt+F"}};
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        keys.push_back({std::string("Alt+") + letter});
    return keys;
}

// Runs the steps, and ends the test process should they take longer than the
// limit: a window that stops answering would otherwise hold the test for ever.
inline void WithinTimeLimit(std::chrono::seconds limit, const std::function<void()>& steps)
{
    std::promise<void> finished;
    std::thread watch([limit, done = finished.get_future()] {
        if (done.wait_for(limit) == std::future_status::timeout) {
            std::fputs("The window stopped answering.\n", stderr);
            std::_Exit(3);
        }
    });
    steps();
    finished.set_value();
    watch.join();
}

// Enter presses the command button that has the focus, on its tab, with the
// steps that make it available first.
struct EnterCase {
    std::string Button;
    int Tab;
    std::vector<std::string> Steps;
};

inline std::vector<EnterCase> EnterCases()
{
    return {{"cmdTry", 0, {}},  {"cmdReset", 1, {}}, {"cmdCopy", 2, {}},
            {"cmdHelp", 3, {}}, {"cmdExit", 0, {}},  {"cmdBrowse", 3, {"click:chkMsgBoxHelpButton"}}};
}

} // namespace vellumet::testing
