// The Windows desktop services under Wine: text conversion, paths, the
// clipboard, COM, opening files, the file dialog and the system's message box.
#include "platform/win32/Win32Platform.h"
#include "platform/Notices.h"
#include "platform/win32/WideText.h"
#include "support/CaseTable.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <dlgs.h>
#include <objbase.h>
#include <tlhelp32.h>

#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace vellumet;
using namespace std::string_literals;
using vellumet::testing::ReadCaseTable;

namespace {

// Up to ten seconds for what another thread shows.
template <typename Find>
HWND WaitFor(Find find)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        if (HWND window = find())
            return window;
        Sleep(10);
    }
    return nullptr;
}

HWND WaitForBox(const std::wstring& title)
{
    return WaitFor([&] {
        HWND box = FindWindowW(L"#32770", title.c_str());
        return IsWindowVisible(box) ? box : nullptr;
    });
}

// A message box as it stands on the screen. Its buttons are known by their
// ids, which are the answers they give in any language.
struct SeenBox {
    std::vector<int> Buttons; // left to right
    int DefaultButton = 0;
    std::wstring Prompt;
    HWND Owner = nullptr;
    bool OwnerEnabled = true;
};

SeenBox Read(HWND box)
{
    SeenBox seen;
    seen.Owner = GetWindow(box, GW_OWNER);
    seen.OwnerEnabled = IsWindowEnabled(seen.Owner);
    std::multimap<LONG, int> buttons; // by where they stand
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        wchar_t kind[16] = {};
        wchar_t text[1024] = {}; // more than any prompt of the tests
        GetClassNameW(child, kind, 16);
        if (kind == L"Static"s && GetWindowTextW(child, text, 1024) > 0)
            seen.Prompt = text;
        if (kind != L"Button"s)
            continue;
        RECT place;
        GetWindowRect(child, &place);
        buttons.emplace(place.left, GetDlgCtrlID(child));
        if ((GetWindowLongW(child, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON)
            seen.DefaultButton = GetDlgCtrlID(child);
    }
    for (const auto& [left, id] : buttons)
        seen.Buttons.push_back(id);
    return seen;
}

void Press(HWND box, int button) { PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0); }

std::optional<std::wstring> ClipboardText()
{
    std::optional<std::wstring> text;
    if (!OpenClipboard(nullptr))
        return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// A folder of the test's own, removed with everything in it.
class TemporaryFolder {
public:
    TemporaryFolder() { std::filesystem::create_directories(path); }
    ~TemporaryFolder() { std::filesystem::remove_all(path); }

    // A file of one byte, a folder where the name ends in a separator, or a copy of a file.
    std::string Make(std::wstring name, const std::filesystem::path& copyOf = {}) const
    {
        if (name.ends_with(L'\\')) {
            name.pop_back();
            std::filesystem::create_directory(path / name);
        } else if (copyOf.empty()) {
            std::ofstream(path / name).put('x');
        } else
            std::filesystem::copy_file(copyOf, path / name);
        return Utf8((path / name).wstring());
    }

private:
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("vellumet-win32-" + std::to_string(GetCurrentProcessId()));
};

// Whether a program of that file name runs; ended if it does. A started
// program is listed from the moment the call that starts it returns.
bool EndedRunning(const std::wstring& name)
{
    bool found = false;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, name.c_str()) == 0) {
            found = true;
            HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID);
            TerminateProcess(process, 1);
            CloseHandle(process);
        }
    CloseHandle(snapshot);
    return found;
}

} // namespace

// Every character passes both ways unchanged; what is no character becomes U+FFFD.
TEST(WideText, ConvertsEveryCharacterAndReplacesWhatIsNone)
{
    const std::vector<std::pair<std::string, std::wstring>> cases = {
        {"", L""},
        {"Line 1\r\n\tLine 2\rlone CR\nlone LF", L"Line 1\r\n\tLine 2\rlone CR\nlone LF"},
        {"caf\xC3\xA9 \xE6\xBC\xA2\xE5\xAD\x97", L"caf\u00E9 \u6F22\u5B57"},
        {"\xF0\x9F\x98\x80", L"\xD83D\xDE00"},
        {"a\0b"s, L"a\0b"s},
    };
    for (const auto& [utf8, wide] : cases)
        EXPECT_EQ(std::pair(Wide(utf8), Utf8(wide)), std::pair(wide, utf8)) << utf8;
    EXPECT_EQ(std::tuple(Wide("a\xFF-"), Wide("\xC3("), Utf8(L"a\xD800-")),
              std::tuple(L"a\uFFFD-"s, L"\uFFFD("s, "a\xEF\xBF\xBD-"s));
}

// A folder keeps only a root's separator; a web address has a scheme of two or more characters.
TEST(Win32Platform, ReadsFoldersAndWebAddresses)
{
    for (const auto& row : ReadCaseTable("win32-folders.tsv"))
        EXPECT_EQ(Win32Platform::FolderOf(Wide(row[0])), row[1]);
    for (const auto& row : ReadCaseTable("win32-web-addresses.tsv"))
        EXPECT_EQ(Win32Platform::IsWebAddress(row[0]), row[1] == "web") << row[0];
}

TEST(Win32Platform, ClipboardHoldsTheTextExactlyAfterThePlatformIsGone)
{
    const std::string text = "\tDim Answer\r\n\tAnswer = MsgBox(\"caf\xC3\xA9 \xE6\xBC\xA2 \xF0\x9F\x98\x80\")\r\n";
    {
        Win32Platform platform;
        platform.ClearClipboard();
        EXPECT_EQ(ClipboardText(), std::nullopt);
        ASSERT_TRUE(platform.SetClipboardText(text));
    }
    EXPECT_EQ(ClipboardText(), Wide(text));

    Win32Platform platform;
    EXPECT_EQ(platform.ClipboardText(), text);
    EXPECT_FALSE(platform.SetClipboardText("cut\0short"s));
    EXPECT_EQ(ClipboardText(), Wide(text));
    platform.ClearClipboard();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(platform.ClipboardText(), "");
}

TEST(Win32Platform, ClipboardWaitsBrieflyForAnotherHolder)
{
    Win32Platform platform;
    for (const auto& [heldMilliseconds, taken] : {std::pair{100, true}, std::pair{2000, false}}) {
        ASSERT_TRUE(platform.SetClipboardText("old"));
        std::promise<void> opened;
        auto holder = std::async(std::launch::async, [&, held = heldMilliseconds] {
            OpenClipboard(nullptr);
            opened.set_value();
            Sleep(static_cast<DWORD>(held));
            CloseClipboard();
        });
        opened.get_future().wait();
        EXPECT_EQ(platform.SetClipboardText("new"), taken) << heldMilliseconds;
        holder.wait();
        EXPECT_EQ(ClipboardText(), taken ? L"new" : L"old") << heldMilliseconds;
    }
}

// A file is looked for before a viewer is asked, and Help opens only help files. COM, which the shell may
// need, is started by the first call that reaches the shell and ended when
// the platform goes; the test runs on a thread where nothing else started it.
TEST(Win32Platform, FindsTheFileBeforeAskingForAViewer)
{
    const auto comStarted = [] {
        APTTYPE type;
        APTTYPEQUALIFIER qualifier;
        return SUCCEEDED(CoGetApartmentType(&type, &qualifier));
    };
    const TemporaryFolder folder;
    const std::string unopenable = folder.Make(L"Orders \u00E9.vellumet-test");
    const std::string folderNamedLikeHelp = folder.Make(L"Folder.chm\\");
    // Each case: a file, what the shell makes of it where it is asked, and what Help does.
    const std::vector<std::tuple<std::string, std::optional<OpenResult>, OpenResult>> cases = {
        {unopenable, OpenResult::NoViewer, OpenResult::NotHelpFile},
        {unopenable + "\0.txt"s, OpenResult::NotFound, OpenResult::NotHelpFile},
        {unopenable + ".chm", OpenResult::NotFound, OpenResult::NotFound},
        {unopenable + ".hlp", OpenResult::NotFound, OpenResult::NotFound},
        {"", OpenResult::NotFound, OpenResult::NotHelpFile},
        {folderNamedLikeHelp, std::nullopt, OpenResult::NotFound},
    };
    std::thread([&] {
        {
            Win32Platform platform;
            EXPECT_FALSE(comStarted());
            for (const auto& [file, shell, help] : cases) {
                if (shell) {
                    EXPECT_EQ(platform.ShellOpen(0, file), *shell) << file;
                }
                EXPECT_EQ(platform.OpenHelp({file, 42}), help) << file;
            }
            EXPECT_TRUE(comStarted());
        }
        EXPECT_FALSE(comStarted());
    }).join();
}

TEST(Win32Platform, ChooseFileToOpenOffersTheTypesAndGivesTheChosenPath)
{
    const TemporaryFolder folder;
    const std::string file = folder.Make(L"Orders \u00E9.hlp");
    const FileOpenRequest request{"Select help file", {{"Windows Help Files", "*.hlp"}, {"All Files", "*.*"}}};
    Win32Platform platform;
    for (const auto& [button, chosen] :
         {std::pair{IDOK, std::optional(file)}, std::pair{IDCANCEL, std::optional<std::string>()}}) {
        auto shown = std::async(std::launch::async, [&, button = button] {
            std::vector<std::wstring> types;
            HWND dialog = WaitForBox(Wide(request.Title));
            HWND typeList = GetDlgItem(dialog, cmb1);
            for (WPARAM type = 0; type < static_cast<WPARAM>(SendMessageW(typeList, CB_GETCOUNT, 0, 0)); ++type) {
                types.emplace_back(static_cast<std::size_t>(SendMessageW(typeList, CB_GETLBTEXTLEN, type, 0)), L'\0');
                SendMessageW(typeList, CB_GETLBTEXT, type, reinterpret_cast<LPARAM>(types.back().data()));
            }
            const bool readOnlyOffered = IsWindowVisible(GetDlgItem(dialog, chx1));
            SetDlgItemTextW(dialog, cmb13, Wide(file).c_str());
            PostMessageW(dialog, WM_COMMAND, static_cast<WPARAM>(button), 0);
            return std::pair(types, readOnlyOffered);
        });
        EXPECT_EQ(platform.ChooseFileToOpen(0, request), chosen);
        EXPECT_EQ(shown.get(),
                  std::pair(std::vector<std::wstring>{L"Windows Help Files (*.hlp)", L"All Files (*.*)"}, false));
    }
}

// The system's own box, over a window of the test's that is active. The
// test's thread waits inside the box, so another thread reads and answers it.
class SystemBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetActiveWindow(owner);
        ASSERT_EQ(GetActiveWindow(), owner);
    }
    void TearDown() override { DestroyWindow(owner); }

    HWND owner = CreateWindowExW(0, L"STATIC", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                                 nullptr, nullptr, nullptr);
};

// Wine's box does nothing yet when its Help button is clicked and answers
// only F1, so the test asks for help as F1 does on the focused Help button.
// On Windows the click and F1 reach the same callback. The last case names a
// program as the help file, which Help must not start.
TEST_F(SystemBoxTest, ShowsTheStyleAnswersAndOpensHelpOrSaysWhyNot)
{
    const TemporaryFolder folder;
    const std::string program =
        folder.Make(L"vellumet-mark.exe", Wide(JoinPath(Win32Platform().ApplicationPath(), "Vellumet.exe")));
    const std::string file = "C:\\Help Files\\Orders \xC3\xA9.chm";
    struct Case {
        int Style;
        std::vector<int> Buttons;
        int DefaultButton;
        int Press;
        std::optional<HelpReference> Help; // asked for before the press
        std::optional<OpenResult> Faked;   // what the faked viewer answers; the real one where there is none
    };
    const std::vector<Case> cases = {
        {0, {IDOK}, IDOK, IDOK, {}, {}},
        {3 + 256, {IDYES, IDNO, IDCANCEL}, IDNO, IDYES, {}, {}},
        {2 + 512 + 16384, {IDABORT, IDRETRY, IDIGNORE, IDHELP}, IDIGNORE, IDIGNORE, {{file, 42}}, OpenResult::Opened},
        {1 + 16384, {IDOK, IDCANCEL, IDHELP}, IDOK, IDCANCEL, {{file, -1}}, OpenResult::NotFound},
        {1 + 16384, {IDOK, IDCANCEL, IDHELP}, IDOK, IDCANCEL, {{file, 32767}}, OpenResult::NoViewer},
        {5 + 256 + 16384, {IDRETRY, IDCANCEL, IDHELP}, IDCANCEL, IDCANCEL, {{program, 7}}, {}},
    };
    const std::string prompt = "Line one\r\n\"caf\xC3\xA9\"\t\xE6\xBC\xA2\xE5\xAD\x97";
    for (std::size_t index = 0; index < cases.size(); ++index) {
        SCOPED_TRACE(index);
        const Case& box = cases[index];
        const auto expectedNotice =
            box.Help ? HelpButtonNotice(box.Faked.value_or(OpenResult::NotHelpFile), box.Help->File) : std::nullopt;
        std::vector<std::pair<HelpReference, WindowHandle>> opened;
        Win32Platform real;
        Win32Platform platform([&](const HelpReference& reference, WindowHandle helpOwner) {
            opened.emplace_back(reference, helpOwner);
            return box.Faked ? *box.Faked : real.OpenHelp(reference, helpOwner);
        });
        const std::string title = "Case " + std::to_string(index) + " \xC3\xA9";
        auto seen = std::async(std::launch::async, [&] {
            HWND shown = WaitForBox(Wide(title));
            const SeenBox read = Read(shown);
            SeenBox notice;
            if (box.Help) {
                HWND helpButton = GetDlgItem(shown, IDHELP);
                HELPINFO request{sizeof request, HELPINFO_WINDOW, IDHELP, helpButton, 0, {}};
                SendMessageTimeoutW(helpButton, WM_HELP, 0, reinterpret_cast<LPARAM>(&request), SMTO_NORMAL, 200,
                                    nullptr);
            }
            if (expectedNotice) {
                HWND noticeBox = WaitForBox(Wide(ProgramTitle));
                notice = Read(noticeBox);
                Press(noticeBox, IDOK);
                WaitFor([&] { return IsWindowEnabled(shown) ? shown : nullptr; });
            }
            Press(shown, box.Press);
            return std::tuple(shown, read, notice);
        });
        EXPECT_EQ(platform.ShowMessageBox({prompt, box.Style, title, box.Help}), box.Press);
        const auto [shownBox, shown, notice] = seen.get();
        // The owner is disabled while the box shows, and enabled again after.
        EXPECT_EQ(std::tuple(shown.Buttons, shown.DefaultButton, shown.Prompt, shown.Owner, shown.OwnerEnabled,
                             IsWindowEnabled(owner) != FALSE),
                  std::tuple(box.Buttons, box.DefaultButton, Wide(prompt), owner, false, true));
        EXPECT_EQ(opened, (box.Help ? decltype(opened){{*box.Help, reinterpret_cast<WindowHandle>(owner)}}
                                    : decltype(opened){}));
        if (expectedNotice) {
            EXPECT_EQ(std::tie(notice.Prompt, notice.Owner, notice.Buttons),
                      std::tuple(Wide(expectedNotice->Prompt), shownBox, std::vector<int>{IDOK}));
        }
    }
    EXPECT_FALSE(EndedRunning(L"vellumet-mark.exe"));
}
