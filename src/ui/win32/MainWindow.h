// The class of the Win32 main window. Its member functions are defined by
// concern, in the files named at each group of them below.
#pragma once

#include "ui/FrontEnd.h"
#include "ui/frmMain.h"

#include <windows.h>

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

namespace vellumet {

class TextDropTarget;

// frmMain on Win32 and the common controls: builds a window for every control
// of the layout table, reports what the user does to frmMain and shows the
// state frmMain sets. A control's window id is its Control value plus
// ControlIdBase, so the layout table gives each window's name.
class Win32MainWindow : public MainWindowFrontEnd {
public:
    // Above the ids the dialog keys send (IDOK, IDCANCEL and the like).
    static constexpr int ControlIdBase = 1000;

    // When the windows are made: at once, or on Build, so that the splash
    // window can show first.
    enum class ControlsBuilt { Now, Later };

    // Loads the window hidden, in its start state; frmMain's Form_Load runs now.
    explicit Win32MainWindow(Platform& platform, ControlsBuilt controls = ControlsBuilt::Now);
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    frmMain& Form() { return form; }
    // The control's window; for frmMain the main window. Null once the window is closed.
    HWND Window(Control control) const { return windows[static_cast<std::size_t>(control)]; }
    // The window that holds the controls of a tab. It covers the whole tab
    // control, so that they stand in the tab control's coordinates.
    HWND Page(int tab) const { return pages.at(static_cast<std::size_t>(tab)); }

    static int IdOf(Control control) { return ControlIdBase + static_cast<int>(control); }
    static std::optional<Control> ControlOfId(int id);
    static std::optional<Control> ControlOf(HWND control) { return ControlOfId(GetDlgCtrlID(control)); }

    // Gives the window's keyboard interface the first look at a message of the
    // thread's queue: the window's own chords (WindowKeys), Tab and Shift+Tab,
    // the arrow keys in an option group, Alt with a command's or a label's
    // letter, Enter on a command button and Esc, which presses Reset. True when
    // it took the message, which must then not be dispatched.
    bool TranslateKeys(MSG& message);

    // Makes the window and its controls, if they are not there yet. Until then
    // there is no window, and each takes frmMain's state when it is made.
    void Build();
    // Lets the window take input or not; a window not made yet is made so.
    void Enable(bool enable);

    void Show(Control control, Property property) override;
    void ShowTab(int tab) override;
    void MoveFocus(Control control) override;
    void Unload() override;
    WindowHandle Handle() override;

private:
    // Asks the main window to read the text last dropped on it, once the drag has ended.
    static constexpr UINT CallDroppedMessage = WM_APP + 1;
    // The window's own subclass of each control.
    static constexpr UINT_PTR SubclassId = 1;

    struct GdiObjectDeleter {
        void operator()(HGDIOBJ object) const { DeleteObject(object); }
    };
    struct IconDeleter {
        void operator()(HICON icon) const { DestroyIcon(icon); }
    };
    using Font = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
    using Bitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, GdiObjectDeleter>;
    using Icon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

    static LRESULT CALLBACK MainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR subclass,
                                        DWORD_PTR self);

    // MainWindow.cpp: the window procedures, and what frmMain sets shown.
    LRESULT OnMainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnControlMessage(Control control, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnContainerMessage(HWND container, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(int id, int code, HWND control);
    void ShowPage(int tab);
    LRESULT Colour(UINT message, HDC context, HWND control);

    // MainWindowBuild.cpp: the windows, built from the layout table and placed at a resolution.
    void BuildFrame();
    void BuildControls();
    HWND Create(const ControlLayout& row);
    HWND ParentOf(const ControlLayout& row) const;
    void Place(UINT newDpi);
    void ShowPictures();
    int Scaled(int twips) const;
    HFONT FontOf(FontKind kind) const;
    SIZE CaptionSize(Control label) const;
    void FitToCaption(Control label);
    void ClipTabControl();

    // MainWindowKeys.cpp: the dialog keys, and where the focus goes.
    void OnDialogKey(int id);
    std::optional<LRESULT> OnFocusMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // MainWindowFields.cpp: the edit controls against frmMain's texts.
    void ShowFieldText(HWND field, const std::wstring& text);
    void ShowSelection(Control field, HWND window);
    std::optional<LRESULT> OnFieldMessage(Control field, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // MainWindowDrop.cpp: text dropped on the window, read as a call.
    void AcceptDroppedCalls();
    bool TakesDropAt(POINT screenPoint) const;
    void ReadDroppedCall();
    void StopAcceptingDrops();

    Platform& platform;
    frmMain form;
    std::array<HWND, ControlCount> windows{};
    std::array<HWND, TabCaptions.size()> pages{};
    UINT dpi = USER_DEFAULT_SCREEN_DPI;
    Font dialogFont;
    Font noticeFont;
    Font underlinedNoticeFont;
    Icon smallIcon;
    Icon largeIcon;
    std::vector<Icon> optionIcons;
    Bitmap aboutPicture;
    HCURSOR handPointer = nullptr;
    // Where the focus goes back to when the window is active again.
    Control lastFocus = Control::SSTab1;
    bool returningFocus = false;
    std::optional<Control> focusedByClick;
    bool showingText = false;
    bool centred = false;
    bool enabled = true;
    bool oleStarted = false;
    TextDropTarget* dropTarget = nullptr;
    std::string droppedText;
};

} // namespace vellumet
