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

// Each case row: name, body, what to expect, then the arguments.
TEST(VellumetGen, WritesEveryCaseExactly)
{
    const auto cases = testing::ReadCaseTable("copy-text.tsv");
    ASSERT_GT(cases.size(), 20u);
    for (const auto& c : cases) {
        const GenRun run = Gen({c.begin() + 3, c.end()}, c.at(1));
        EXPECT_EQ(run.exitCode, 0) << c.at(0) << ": " << run.err;
        if (c.at(2).starts_with('@'))
            EXPECT_EQ(run.out, testing::ReadDataFile("golden/" + c.at(2).substr(1))) << c.at(0);
        else
            EXPECT_NE(run.out.find(c.at(2)), std::string::npos) << c.at(0) << ":\n" << run.out;
    }
}

// The refusals of writing code, and those of --read and --options.
TEST(VellumetGen, RefusesBadInput)
{
    auto cases = testing::ReadCaseTable("refusals.tsv");
    const auto readOptionsCases = testing::ReadCaseTable("read-options-refusals.tsv");
    ASSERT_GT(readOptionsCases.size(), 20u);
    cases.insert(cases.end(), readOptionsCases.begin(), readOptionsCases.end());
    for (const auto& c : cases) {
        const GenRun run = Gen({c.begin() + 4, c.end()}, c.at(1));
        EXPECT_EQ(run.exitCode, std::stoi(c.at(2))) << c.at(0);
        EXPECT_EQ(run.out, "") << c.at(0);
        EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.at(3)) << c.at(0);
        EXPECT_EQ(run.err.find("Usage: vellumet-gen") != std::string::npos, run.exitCode == 2) << c.at(0);
    }
}

// Each case row: name, the style to decode, exit code, the output or the first line of the
// error, then any further arguments.
TEST(VellumetGen, DecodesStyles)
{
    for (const auto& c : testing::ReadCaseTable("decode.tsv")) {
        std::vector<std::string> arguments = {"--decode", c.at(1)};
        arguments.insert(arguments.end(), c.begin() + 4, c.end());
        const GenRun run = Gen(arguments, "");
        EXPECT_EQ(run.exitCode, std::stoi(c.at(2))) << c.at(0) << ": " << run.err;
        if (run.exitCode == 0)
            EXPECT_EQ(run.out, c.at(3) + "\n") << c.at(0);
        else
            EXPECT_EQ(run.err.substr(0, run.err.find('\n')), c.at(3)) << c.at(0);
    }
}

// --options writes the code of the object --read writes, and --read gives the same object back.
TEST(VellumetGen, ReadAndOptionsAreInverse)
{
    for (const char* golden : {"save-question.vb", "disk-error.vb", "export-finished.vb", "ok-cancel.vb",
                               "abort-retry-ignore.vb", "yes-no.vb"}) {
        SCOPED_TRACE(golden);
        const std::string code = testing::ReadDataFile(std::string("golden/") + golden);
        const GenRun read = Gen({"--read"}, code);
        ASSERT_EQ(read.exitCode, 0) << read.err;
        const GenRun written = Gen({"--options", "-"}, read.out);
        EXPECT_EQ(written.exitCode, 0) << written.err;
        EXPECT_EQ(written.out, code);
        EXPECT_EQ(Gen({"--read"}, written.out).out, read.out);
    }
}

// Runs vellumet-gen itself with the body on its standard input, and reads
// what it writes, both as bytes.
std::string RunExecutable(const std::string& body, const std::string& arguments)
{
    const std::string bodyFile = ::testing::TempDir() + "gen-body.txt";
    std::ofstream(bodyFile, std::ios::binary) << body;
#ifdef _WIN32
    // The program lies beside this test; cmd reads the command line, and the pipe is opened as bytes.
    std::string gen(MAX_PATH, '\0');
    gen.resize(GetModuleFileNameA(nullptr, gen.data(), MAX_PATH));
    gen = gen.substr(0, gen.find_last_of('\\') + 1) + "vellumet-gen.exe";
    FILE* pipe = ::_popen(("\"\"" + gen + "\" " + arguments + " < \"" + bodyFile + "\"\"").c_str(), "rb");
#else
    FILE* pipe = ::popen(("'" VELLUMET_GEN "' " + arguments + " < '" + bodyFile + "'").c_str(), "r");
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

// The executable itself passes every byte through: CR, LF, tabs, quotes and UTF-8.
TEST(VellumetGen, ExecutableKeepsBytesExact)
{
    const std::string body = "a\rb\nc\r\n\td \"q\" \xc3\xa9";
    const std::string out = RunExecutable(body, "--buttons ok-cancel --code-page 1252");
    EXPECT_EQ(out, Gen({"--buttons", "ok-cancel", "--code-page", "1252"}, body).out);
    EXPECT_NE(out.find(R"("a" & vbCr & "b" & vbLf & "c" & vbCrLf & vbTab & "d ""q"" é")"), std::string::npos) << out;
}

} // namespace
} // namespace vellumet
