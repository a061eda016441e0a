#include "gen/GenCommand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace vellumet {
namespace {

struct GenRun {
    int exitCode;
    std::string out;
    std::string err;
};

GenRun Gen(std::vector<const char*> args, const std::string& body)
{
    args.insert(args.begin(), "vellumet-gen");
    std::istringstream in(body);
    std::ostringstream out, err;
    const int code = RunGenCommand(static_cast<int>(args.size()), args.data(), in, out, err);
    return {code, out.str(), err.str()};
}

TEST(VellumetGen, WritesTheCopyTextWithNoLineBreakAfterIt)
{
    const GenRun run = Gen({"--buttons", "yes-no-cancel", "--default", "2", "--icon", "question", "--title", "Save"},
                        "Save changes?");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_TRUE(run.out.starts_with("'*** Start Vellumet Code ***\r\n\tDim Response As Long\r\n"
                                    "\tResponse = MsgBox(\"Save changes?\", vbYesNoCancel + vbDefaultButton2 + "
                                    "vbQuestion, \"Save\")\r\n"));
    EXPECT_TRUE(run.out.ends_with("\tEnd Select\r\n'*** End Vellumet Code ***"));
}

TEST(VellumetGen, DefaultsAreAPlainOKStatement)
{
    EXPECT_EQ(Gen({}, "Hi").out, "'*** Start Vellumet Code ***\r\n\tMsgBox \"Hi\", vbOKOnly\r\n'*** End Vellumet Code ***");
}

TEST(VellumetGen, EveryOptionReachesTheCall)
{
    const GenRun run = Gen({"--buttons", "retry-cancel", "--system-modal", "--icon", "critical", "--as-value", "--title",
                         "Disk error", "--variable", "Answer", "--help-button", "--help-default", "--help-file",
                         R"(\Orders.chm)", "--app-path", "--topic", " 007 "},
                        "Not ready.\r\nRetry?\tNow");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("\tAnswer = MsgBox (\"Not ready.\" & vbCrLf & \"Retry?\" & vbTab & \"Now\", 21013, "
                           "\"Disk error\", App.Path & \"\\Orders.chm\", 7)\r\n"),
              std::string::npos)
        << run.out;
}

struct Refusal {
    const char* name;
    std::vector<const char*> args;
    std::string body;
    int exitCode;
    std::string message; // the first line on standard error
};

class RefusedInput : public ::testing::TestWithParam<Refusal> {};

TEST_P(RefusedInput, ExitsWithAMessageAndNoOutput)
{
    const Refusal& r = GetParam();
    const GenRun run = Gen(r.args, r.body);
    EXPECT_EQ(run.exitCode, r.exitCode);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.substr(0, run.err.find('\n')), r.message);
    if (r.exitCode == 2) {
        EXPECT_NE(run.err.find("Usage: vellumet-gen"), std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedInput,
    ::testing::Values(
        Refusal{"EmptyBody", {}, "", 1,
                "vellumet-gen: Please enter a Body Message before attempting to try or copy Vellumet code."},
        Refusal{"SpacesOnlyBody", {}, "   ", 1,
                "vellumet-gen: Please enter a Body Message before attempting to try or copy Vellumet code."},
        Refusal{"TopicOutOfRange", {"--help-button", "--topic", "32768"}, "x", 1,
                "vellumet-gen: The Topic ID must be a whole number from -32768 to 32767."},
        Refusal{"TopicFraction", {"--help-button", "--topic", "2.5"}, "x", 1,
                "vellumet-gen: The Topic ID must be a whole number from -32768 to 32767."},
        Refusal{"UnknownOption", {"--colour", "red"}, "x", 2,
                "vellumet-gen: The following arguments were not expected: red --colour"},
        Refusal{"UnknownButtons", {"--buttons", "yes-maybe"}, "x", 2,
                "vellumet-gen: --buttons: yes-maybe not in {abort-retry-ignore,ok,ok-cancel,retry-cancel,yes-no,"
                "yes-no-cancel}"},
        Refusal{"DefaultOutsideSet", {"--buttons", "yes-no", "--default", "3"}, "x", 2,
                "vellumet-gen: --default 3: the yes-no set has 2 buttons."},
        Refusal{"DefaultZero", {"--default", "0"}, "x", 2, "vellumet-gen: --default 0: the ok set has 1 button."},
        Refusal{"HelpOptionWithoutHelpButton", {"--help-default"}, "x", 2,
                "vellumet-gen: --help-default requires --help-button"}),
    [](const auto& info) { return info.param.name; });

// The real executable passes every byte through: CR, LF, tabs, quotes and UTF-8.
TEST(VellumetGen, ExecutableKeepsBytesExact)
{
    const std::string body = "a\rb\nc\r\n\td \"q\" é";
    const auto dir = std::filesystem::temp_directory_path() / ("vellumet-gen-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << body;

    const std::string command = std::string("\"") + VELLUMET_GEN + "\" --buttons ok-cancel < \"" +
                                (dir / "in").string() + "\" > \"" + (dir / "out").string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream written(dir / "out", std::ios::binary);
    const std::string out{std::istreambuf_iterator<char>(written), std::istreambuf_iterator<char>()};
    std::filesystem::remove_all(dir);

    EXPECT_EQ(out, Gen({"--buttons", "ok-cancel"}, body).out);
    EXPECT_NE(out.find(R"("a" & vbCr & "b" & vbLf & "c" & vbCrLf & vbTab & "d ""q"" é")"), std::string::npos) << out;
}

} // namespace
} // namespace vellumet
