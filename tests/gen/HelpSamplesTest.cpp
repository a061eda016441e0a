// The code samples of the help pages are what vellumet-gen writes for them.
#include "gen/GenCommand.h"
#include "support/CaseTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <sstream>

namespace vellumet {
namespace {

std::string ReadPage(const std::string& page)
{
    std::ifstream file(std::string(VELLUMET_HELP_PAGES) + "/" + page, std::ios::binary);
    EXPECT_TRUE(file) << page;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The text of each <pre> block of a page, as a reader sees it: the HTML escapes undone.
std::vector<std::string> PreformattedBlocks(const std::string& page)
{
    static const std::regex Block("<pre>\n([^]*?)\n</pre>");
    static const std::array<std::pair<std::regex, std::string>, 3> Escapes = {
        {{std::regex("&lt;"), "<"}, {std::regex("&gt;"), ">"}, {std::regex("&amp;"), "&"}}};
    std::vector<std::string> blocks;
    for (std::sregex_iterator match(page.begin(), page.end(), Block), end; match != end; ++match) {
        std::string text = (*match)[1];
        for (const auto& [escape, character] : Escapes)
            text = std::regex_replace(text, escape, character);
        blocks.push_back(text);
    }
    return blocks;
}

// What vellumet-gen writes to standard output, as a page shows it: lines end with LF, and the last has none.
std::string Shown(const std::vector<std::string>& arguments, const std::string& input)
{
    std::vector<const char*> argv = {"vellumet-gen"};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    std::istringstream in(input);
    std::ostringstream out, err;
    EXPECT_EQ(RunGenCommand(static_cast<int>(argv.size()), argv.data(), in, out, err), 0) << err.str();
    const std::string text = std::regex_replace(out.str(), std::regex("\r\n"), "\n");
    return text.ends_with('\n') ? text.substr(0, text.size() - 1) : text;
}

// The body expression of the code of an OK-only box.
std::string BodyExpressionIn(const std::string& code)
{
    const std::size_t start = code.find("\tMsgBox ") + 8, end = code.rfind(", vbOKOnly\n");
    return code.substr(start, end - start);
}

// A command as gen.html shows one: vellumet-gen and its arguments, with printf's output piped into it or not.
struct Command {
    std::vector<std::string> Arguments;
    std::string Input;
};

std::optional<Command> CommandIn(const std::string& block)
{
    static const std::regex Line(R"(^(?:printf '([^']*)' \| )?vellumet-gen ([^<>\[\n]*)$)");
    static const std::regex Word(R"re('([^']*)'|"([^"]*)"|(\S+))re");
    std::smatch line;
    if (!std::regex_match(block, line, Line))
        return std::nullopt;
    Command command{{}, testing::Unescape(line[1].str())};
    const std::string arguments = line[2];
    for (std::sregex_iterator word(arguments.begin(), arguments.end(), Word), end; word != end; ++word)
        command.Arguments.push_back((*word)[1].matched ? (*word)[1] : (*word)[2].matched ? (*word)[2] : (*word)[3]);
    return command;
}

// The rows of help-samples.tsv, and each command on gen.html with the block that follows it. Every sample of code,
// on any page, is one of them.
TEST(HelpSamples, AreWhatVellumetGenWrites)
{
    std::set<std::string> written;
    for (const auto& row : testing::ReadCaseTable("help-samples.tsv")) {
        const std::string code = Shown({row.begin() + 3, row.end()}, row.at(2));
        const std::string sample = row.at(1) == "body" ? BodyExpressionIn(code) : code;
        const std::vector<std::string> blocks = PreformattedBlocks(ReadPage(row.at(0)));
        EXPECT_NE(std::ranges::count(blocks, sample), 0) << row.at(0) << " has no sample\n" << sample;
        written.insert(sample);
    }

    const std::vector<std::string> genBlocks = PreformattedBlocks(ReadPage("gen.html"));
    int commands = 0;
    for (std::size_t i = 0; i + 1 < genBlocks.size(); ++i)
        if (const auto command = CommandIn(genBlocks[i])) {
            ++commands;
            EXPECT_EQ(Shown(command->Arguments, command->Input), genBlocks[i + 1]) << genBlocks[i];
            written.insert(genBlocks[i + 1]);
        }
    EXPECT_EQ(commands, 4);

    for (const auto& file : std::filesystem::directory_iterator(VELLUMET_HELP_PAGES))
        for (const std::string& block : PreformattedBlocks(ReadPage(file.path().filename().string())))
            if (block.starts_with("'*** Start Vellumet Code ***")) {
                EXPECT_TRUE(written.contains(block)) << file.path() << " has a sample no row writes:\n" << block;
            }
}

} // namespace
} // namespace vellumet
