// vellumet-gen end to end: the code it writes, its refusals, --decode, --read and --options, and the executable itself.
#include "gen/GenCommand.h"
#include "support/CaseTable.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <fstream>
#include <sstream>

namespace vellumet {
namespace {

struct GenRun {
    int exitCode;
    std::string out, err;
};

GenRun Gen(const std::vector<std::string>& arguments, const std::string& body)
{
    std::vector<const char*> argv = {"vellumet-gen"};
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    std::istringstream in(body);
    std::ostringstream out, err;
    const int code = RunGenCommand(static_cast<int>(argv.size()), argv.data(), in, out, err);
    return {code, out.str(), err.str()};
}

// Each case row: name, body, what to expect, then the arguments. A whole golden text
// also goes through --read, whose object --options writes back as the same code.
TEST(VellumetGen, WritesEveryCaseExactlyAndReadsItBack)
{
    const auto cases = testing::ReadCaseTable("copy-text.tsv");
    ASSERT_GT(cases.size(), 20u);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.at(0));
        const GenRun run = Gen({c.begin() + 3, c.end()}, c.at(1));
        EXPECT_EQ(run.exitCode, 0) << run.err;
        if (!c.at(2).starts_with('@')) {
            EXPECT_NE(run.out.find(c.at(2)), std::string::npos) << run.out;
            continue;
        }
        EXPECT_EQ(run.out, testing::ReadDataFile("golden/" + c.at(2).substr(1)));
        const GenRun read = Gen({"--read"}, run.out);
        ASSERT_EQ(read.exitCode, 0) << read.err;
        const GenRun written = Gen({"--options", "-"}, read.out);
        EXPECT_EQ(written.exitCode, 0) << written.err;
        EXPECT_EQ(written.out, run.out);
        EXPECT_EQ(Gen({"--read"}, written.out).out, read.out);
    }
}

// Each case row: name, standard input, exit code, the output or else the first line of
// the error, then the arguments. Only a fault in the command line itself shows the usage.
TEST(VellumetGen, RefusesBadInputAndDecodesStyles)
{
    for (const std::string table : {"refusals.tsv", "read-options-refusals.tsv", "decode.tsv"}) {
        const auto cases = testing::ReadCaseTable(table);
        ASSERT_GT(cases.size(), 20u) << table;
        for (const auto& c : cases) {
            SCOPED_TRACE(c.at(0));
            const GenRun run = Gen({c.begin() + 4, c.end()}, c.at(1));
            EXPECT_EQ(run.exitCode, std::stoi(c.at(2))) << run.err;
            EXPECT_EQ(run.exitCode ? run.err.substr(0, run.err.find('\n')) : run.out,
                      c.at(3) + (run.exitCode ? "" : "\n"));
            EXPECT_EQ(run.exitCode ? run.out : run.err, "");
            EXPECT_EQ(run.err.find("Usage: vellumet-gen") != std::string::npos, run.exitCode == 2);
        }
    }
}

// Runs vellumet-gen itself with the body on its standard input, and reads
// what it writes, both as bytes. Each argument is quoted, which both shells read alike.
std::string RunExecutable(const std::string& body, const std::vector<std::string>& arguments)
{
    const std::string bodyFile = ::testing::TempDir() + "gen-body.txt";
    std::ofstream(bodyFile, std::ios::binary) << body;
    std::string quoted;
    for (const std::string& argument : arguments)
        quoted += " \"" + argument + "\"";
#ifdef _WIN32
    // The program lies beside this test. cmd reads the command line, given in
    // UTF-16 as a user's shell gives it, and the pipe is opened as bytes.
    std::wstring gen(MAX_PATH, L'\0');
    gen.resize(GetModuleFileNameW(nullptr, gen.data(), MAX_PATH));
    gen = gen.substr(0, gen.find_last_of(L'\\') + 1) + L"vellumet-gen.exe";
    const std::string rest = quoted + " < \"" + bodyFile + "\"\"";
    std::wstring command(rest.size(), L'\0');
    command.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, rest.data(), static_cast<int>(rest.size()),
                                                                command.data(), static_cast<int>(command.size()))));
    FILE* pipe = ::_wpopen((L"\"\"" + gen + L"\"" + command).c_str(), L"rb");
#else
    FILE* pipe = ::popen(("'" VELLUMET_GEN "'" + quoted + " < '" + bodyFile + "'").c_str(), "r");
#endif
    EXPECT_TRUE(pipe);
    std::string out;
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;)
        out += static_cast<char>(c);
#ifdef _WIN32
    EXPECT_EQ(::_pclose(pipe), 0);
#else
    EXPECT_EQ(::pclose(pipe), 0);
#endif
    return out;
}

// The executable itself passes every byte through: CR, LF, tabs, quotes and
// UTF-8, in the body and in the arguments alike, on every system's code page.
TEST(VellumetGen, ExecutableKeepsBytesExact)
{
    const std::string body = "a\rb\nc\r\n\td \"q\" \xc3\xa9";
    // Code page 65001 keeps every character literal, so the title and the name come out as they went in.
    const std::vector<std::string> arguments = {"--buttons",   "ok-cancel",
                                                "--title",     "Caf\xc3\xa9 \xce\xa9 \xe6\x97\xa5\xe6\x9c\xac",
                                                "--variable",  "r\xc3\xa9\xce\xa9\xe6\x97\xa5\xe6\x9c\xac",
                                                "--code-page", "65001"};
    const GenRun inProcess = Gen(arguments, body);
    ASSERT_EQ(inProcess.exitCode, 0) << inProcess.err;
    const std::string out = RunExecutable(body, arguments);
    EXPECT_EQ(out, inProcess.out);
    EXPECT_NE(out.find(R"("a" & vbCr & "b" & vbLf & "c" & vbCrLf & vbTab & "d ""q"" é")"), std::string::npos) << out;
}

} // namespace
} // namespace vellumet
