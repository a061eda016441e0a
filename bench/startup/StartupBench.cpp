// Times the program's start-up against a bare Qt Widgets program that shows
// one empty window. Both are built with the start-up probe, which writes the
// moments it saw and ends the process when the first window is painted; this
// harness starts each program in turn, takes the clock just before the start
// and the peak resident memory from wait4.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr int DefaultRuns = 15;
// A program that has not painted a window by then is stuck.
constexpr std::chrono::milliseconds RunTimeLimit{30'000};

// The aims: the program's first window no later than this many times the bare
// window, and its peak memory no more than this many times the bare program's.
constexpr double ShownTimeAim = 1.3;
constexpr double PeakMemoryAim = 1.5;

struct Program {
    const char* name;
    const char* path;
    const char* firstWindow; // the object name of the window that must be painted first
    bool loadsMainWindow;
};

const Program Ours{"vellumet", VELLUMET_STARTUP_PROBE, "frmSplash", true};
const Program Bare{"bare", BARE_WINDOW_PROBE, "BareWindow", false};

// Milliseconds from the process start, and the peak resident memory in MiB.
struct Run {
    double loaded = 0;
    double application = 0;
    double mainWindow = 0;
    double shown = 0;
    double peakMemory = 0;
    std::string platform;
};

std::int64_t MonotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

std::system_error SystemError(const std::string& what, int error = errno)
{
    return {error, std::generic_category(), what};
}

// The file descriptor closes with this object, whatever way the run ends.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd = -1)
        : fd(fd)
    {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() { Close(); }

    int Get() const { return fd; }
    void Close()
    {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }

private:
    int fd;
};

// Reads until the end of the stream; false when the time limit passed first.
bool ReadAll(int fd, std::chrono::steady_clock::time_point deadline, std::string& text)
{
    char buffer[4096];
    for (;;) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd readable{fd, POLLIN, 0};
        const int ready = ::poll(&readable, 1, int(left.count()));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            throw SystemError("poll");
        if (ready == 0)
            return false;
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw SystemError("read");
        if (count == 0)
            return true;
        text.append(buffer, std::size_t(count));
    }
}

std::string ReadFromStart(int fd)
{
    std::string text;
    char buffer[4096];
    ssize_t count;
    for (off_t offset = 0; (count = ::pread(fd, buffer, sizeof buffer, offset)) > 0; offset += count)
        text.append(buffer, std::size_t(count));
    return text;
}

std::map<std::string, std::string> ParseMilestones(const std::string& text)
{
    std::map<std::string, std::string> values;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
        if (const auto space = line.find(' '); space != std::string::npos)
            values[line.substr(0, space)] = line.substr(space + 1);
    return values;
}

double MillisecondsSince(std::int64_t startedAt, const std::string& nanoseconds)
{
    return double(std::stoll(nanoseconds) - startedAt) / 1e6;
}

Run RunOnce(const Program& program, char* const* environment)
{
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0)
        throw SystemError("pipe2");
    FileDescriptor output(pipeEnds[0]);
    FileDescriptor outputWriteEnd(pipeEnds[1]);
    // The child's standard error waits here, to be shown if the run fails.
    FileDescriptor errors(::memfd_create("startup-errors", MFD_CLOEXEC));
    if (errors.Get() < 0)
        throw SystemError("memfd_create");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, outputWriteEnd.Get(), STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, errors.Get(), STDERR_FILENO);
    char* const arguments[] = {const_cast<char*>(program.path), nullptr};
    pid_t child = 0;
    const std::int64_t startedAt = MonotonicNanoseconds();
    const int spawnError = ::posix_spawn(&child, program.path, &actions, nullptr, arguments, environment);
    posix_spawn_file_actions_destroy(&actions);
    outputWriteEnd.Close();
    if (spawnError != 0)
        throw SystemError(std::string("cannot start ") + program.path, spawnError);

    std::string text;
    const bool ended = ReadAll(output.Get(), std::chrono::steady_clock::now() + RunTimeLimit, text);
    if (!ended)
        ::kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    while (::wait4(child, &status, 0, &usage) < 0)
        if (errno != EINTR)
            throw SystemError("wait4");

    const auto failure = [&](const std::string& why) {
        return std::runtime_error(std::string(program.name) + ": " + why + "\n" + ReadFromStart(errors.Get()));
    };
    if (!ended)
        throw failure("painted no window within " + std::to_string(RunTimeLimit.count()) + " ms");
    if (WIFSIGNALED(status))
        throw failure("was killed by signal " + std::to_string(WTERMSIG(status)) +
                      " before its first window was painted");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw failure("exited with code " + std::to_string(WEXITSTATUS(status)) +
                      " before its first window was painted");

    auto milestones = ParseMilestones(text);
    for (const char* key : {"loaded", "application", "main-window", "shown", "window", "platform"})
        if (!milestones.contains(key))
            throw failure(std::string("wrote no '") + key + "' moment; it wrote:\n" + text);
    if (milestones["window"] != program.firstWindow)
        throw failure("the first window painted is '" + milestones["window"] + "', not '" + program.firstWindow + "'");
    if (program.loadsMainWindow && milestones["main-window"] == "0")
        throw failure("showed its first window before loading the main window");

    Run run;
    run.loaded = MillisecondsSince(startedAt, milestones["loaded"]);
    run.application = MillisecondsSince(startedAt, milestones["application"]);
    if (program.loadsMainWindow)
        run.mainWindow = MillisecondsSince(startedAt, milestones["main-window"]);
    run.shown = MillisecondsSince(startedAt, milestones["shown"]);
    run.peakMemory = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
    run.platform = milestones["platform"];
    return run;
}

struct Summary {
    double median, lowerQuartile, upperQuartile, minimum, maximum;
};

Summary Summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto quantile = [&](double q) {
        const double position = q * double(values.size() - 1);
        const auto below = std::size_t(position);
        const std::size_t above = std::min(below + 1, values.size() - 1);
        return values[below] + (position - double(below)) * (values[above] - values[below]);
    };
    return {quantile(0.5), quantile(0.25), quantile(0.75), values.front(), values.back()};
}

std::vector<double> Column(const std::vector<Run>& runs, double Run::*field)
{
    std::vector<double> values;
    values.reserve(runs.size());
    for (const Run& run : runs)
        values.push_back(run.*field);
    return values;
}

void PrintRow(const char* label, const Summary& summary)
{
    std::printf("  %-36s %8.1f %8.1f %8.1f %8.1f %8.1f\n", label, summary.median, summary.lowerQuartile,
                summary.upperQuartile, summary.minimum, summary.maximum);
}

void PrintHeader(const char* title)
{
    std::printf("%-38s %8s %8s %8s %8s %8s\n", title, "median", "q1", "q3", "min", "max");
}

void PrintRatio(const char* what, double ours, double bare, double aim)
{
    const double ratio = ours / bare;
    std::printf("  %-16s %5.2fx   (aim: at most %.1fx, %s)\n", what, ratio, aim, ratio <= aim ? "met" : "MISSED");
}

int ParseRuns(int argc, char* argv[])
{
    if (argc == 1)
        return DefaultRuns;
    if (argc == 3 && std::string_view(argv[1]) == "--runs") {
        char* end = nullptr;
        const long runs = std::strtol(argv[2], &end, 10);
        if (*argv[2] != '\0' && *end == '\0' && runs >= 1 && runs <= 1000)
            return int(runs);
    }
    std::fprintf(stderr, "usage: %s [--runs N]   (N from 1 to 1000, %d when left out)\n", argv[0], DefaultRuns);
    std::exit(2);
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = ParseRuns(argc, argv);

    // Without a display the programs draw offscreen, as the window tests do.
    std::vector<std::string> environment;
    for (char** variable = environ; *variable; ++variable)
        environment.emplace_back(*variable);
    const char* display = std::getenv("DISPLAY");
    const char* chosenPlatform = std::getenv("QT_QPA_PLATFORM");
    const bool offscreenForNoDisplay = (!display || !*display) && (!chosenPlatform || !*chosenPlatform);
    if (offscreenForNoDisplay)
        environment.emplace_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> environmentPointers;
    environmentPointers.reserve(environment.size() + 1);
    for (std::string& variable : environment)
        environmentPointers.push_back(variable.data());
    environmentPointers.push_back(nullptr);

    std::vector<Run> ours;
    std::vector<Run> bare;
    try {
        // One warm-up run each fills the file cache; then the order alternates,
        // so that neither program always runs straight after the other.
        RunOnce(Ours, environmentPointers.data());
        RunOnce(Bare, environmentPointers.data());
        for (int i = 0; i < runs; ++i) {
            if (i % 2 == 0) {
                ours.push_back(RunOnce(Ours, environmentPointers.data()));
                bare.push_back(RunOnce(Bare, environmentPointers.data()));
            } else {
                bare.push_back(RunOnce(Bare, environmentPointers.data()));
                ours.push_back(RunOnce(Ours, environmentPointers.data()));
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "start-up benchmark failed: %s\n", error.what());
        return 1;
    }

    std::printf("Start-up: vellumet against a bare Qt Widgets window, %d runs each, interleaved, after a warm-up run\n",
                runs);
    std::string platformNote;
    if (offscreenForNoDisplay)
        platformNote = " (DISPLAY is not set, so QT_QPA_PLATFORM=offscreen)";
    else if (display && *display)
        platformNote = std::string(" on DISPLAY=") + display;
    std::printf("Qt platform: %s%s\n", ours.front().platform.c_str(), platformNote.c_str());
    std::printf("Each run ends when the program's first window is painted.\n\n");

    const Summary oursShown = Summarise(Column(ours, &Run::shown)), bareShown = Summarise(Column(bare, &Run::shown));
    const Summary oursMemory = Summarise(Column(ours, &Run::peakMemory));
    const Summary bareMemory = Summarise(Column(bare, &Run::peakMemory));
    PrintHeader("Time from process start, ms");
    PrintRow("vellumet: libraries loaded", Summarise(Column(ours, &Run::loaded)));
    PrintRow("vellumet: application object made", Summarise(Column(ours, &Run::application)));
    PrintRow("vellumet: main window loaded", Summarise(Column(ours, &Run::mainWindow)));
    PrintRow("vellumet: splash window shown", oursShown);
    PrintRow("bare: libraries loaded", Summarise(Column(bare, &Run::loaded)));
    PrintRow("bare: application object made", Summarise(Column(bare, &Run::application)));
    PrintRow("bare: window shown", bareShown);
    std::printf("\n");
    PrintHeader("Peak resident memory, MiB");
    PrintRow("vellumet", oursMemory);
    PrintRow("bare", bareMemory);
    std::printf("\nvellumet / bare, medians:\n");
    PrintRatio("first window", oursShown.median, bareShown.median, ShownTimeAim);
    PrintRatio("peak memory", oursMemory.median, bareMemory.median, PeakMemoryAim);
    return 0;
}
