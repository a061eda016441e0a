// A forked child that owns the X11 clipboard and answers requests for its text.
#include "ClipboardKeeper.h"

#include <QGuiApplication>

#ifdef VELLUMET_XCB
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <string>
#endif

namespace vellumet {

#ifdef VELLUMET_XCB
namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// Hands a requestor the text in the form it asked for, or tells it there is
// none in that form. Requestors of the oldest kind name no property, and get
// the answer in one named after the form.
void Answer(xcb_connection_t* connection, const xcb_selection_request_event_t& request, const std::string& utf8,
            const std::string& latin1)
{
    const xcb_atom_t utf8String = Atom(connection, "UTF8_STRING");
    const std::array<xcb_atom_t, 4> targets = {Atom(connection, "TARGETS"), utf8String, Atom(connection, "TEXT"),
                                               XCB_ATOM_STRING};
    xcb_atom_t property = request.property == XCB_ATOM_NONE ? request.target : request.property;
    // A text too long for one request would need the incremental transfer; it is refused instead.
    const std::size_t longest = xcb_get_maximum_request_length(connection) * 4 - 32;
    if (request.target == targets[0])
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                            targets.size(), targets.data());
    else if ((request.target == utf8String || request.target == targets[2]) && utf8.size() <= longest)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, utf8String, 8,
                            static_cast<std::uint32_t>(utf8.size()), utf8.data());
    else if (request.target == XCB_ATOM_STRING && latin1.size() <= longest)
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_STRING, 8,
                            static_cast<std::uint32_t>(latin1.size()), latin1.data());
    else
        property = XCB_ATOM_NONE;
    xcb_selection_notify_event_t notice{};
    notice.response_type = XCB_SELECTION_NOTIFY;
    notice.time = request.time;
    notice.requestor = request.requestor;
    notice.selection = request.selection;
    notice.target = request.target;
    notice.property = property;
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&notice));
    xcb_flush(connection);
}

// The child's whole life: a connection and a window of its own, the
// clipboard taken over from the program, and its text handed out until
// another program takes the clipboard or the display goes. Once the server
// has made it the owner, it says so on the pipe to the program, which waits
// for that before it ends.
[[noreturn]] void ServeClipboard(const std::string& utf8, const std::string& latin1, int ready)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        _exit(1);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t clipboard = Atom(connection, "CLIPBOARD");
    xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
    // The reply comes after the server has handled the change of owner.
    std::free(xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, clipboard), nullptr));
    const char owned = 1;
    (void)!write(ready, &owned, 1);
    close(ready);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const auto type = event->response_type & 0x7f;
        if (type == XCB_SELECTION_CLEAR)
            _exit(0);
        if (type == XCB_SELECTION_REQUEST)
            Answer(connection, *reinterpret_cast<xcb_selection_request_event_t*>(event), utf8, latin1);
        std::free(event);
    }
    _exit(0);
}

bool ManagerRuns(xcb_connection_t* connection)
{
    const auto cookie = xcb_get_selection_owner(connection, Atom(connection, "CLIPBOARD_MANAGER"));
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(connection, cookie, nullptr);
    const bool runs = reply && reply->owner != XCB_WINDOW_NONE;
    std::free(reply);
    return runs;
}

} // namespace

void KeepClipboardText(const QString& text)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || ManagerRuns(x11->connection()))
        return;
    const std::string utf8 = text.toStdString();
    const std::string latin1 = text.toLatin1().toStdString();
    std::array<int, 2> handOver{};
    if (pipe2(handOver.data(), O_CLOEXEC) != 0)
        return;
    // The child forks once more and ends, so that the keeper belongs to no
    // one who must wait for it; it keeps none of the program's files but the
    // pipe's end and is tied to no terminal.
    const pid_t child = fork();
    if (child == 0) {
        setsid();
        if (fork() != 0)
            _exit(0);
        const int nothing = open("/dev/null", O_RDWR);
        for (int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
            dup2(nothing, stream);
        const int ready = dup2(handOver[1], STDERR_FILENO + 1);
        close_range(ready + 1, ~0U, 0);
        ServeClipboard(utf8, latin1, ready);
    }
    close(handOver[1]);
    if (child > 0) {
        waitpid(child, nullptr, 0);
        // The program's window, and with it the clipboard, goes when the
        // program ends; waiting until the keeper owns the clipboard leaves no
        // moment in which a paste finds it empty. A keeper that fails closes
        // the pipe, and a stuck one is given a few seconds.
        pollfd owned{handOver[0], POLLIN, 0};
        poll(&owned, 1, 5000);
    }
    close(handOver[0]);
}
#else
void KeepClipboardText(const QString&) {}
#endif

} // namespace vellumet
