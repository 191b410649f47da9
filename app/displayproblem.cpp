// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Sivane developers
#include "app/displayproblem.h"

#include <QString>
#include <QtGlobal>

#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace sivane {
namespace {

// The texts of Qt's messages that the diagnosis reads; Qt 6.4 and 6.8 write them alike.
// The first is followed by the X display that the xcb plugin tried. Qt tries the Wayland
// platform whenever WAYLAND_DISPLAY is set or QT_QPA_PLATFORM asks for it, so the third is
// what a missing Wayland plugin says wherever Wayland was wanted.
constexpr QStringView xcbCannotConnect = u"could not connect to display";
constexpr QStringView waylandCannotConnect = u"Failed to create wl_display";
constexpr QStringView waylandNotFound = u"Could not find the Qt platform plugin \"wayland\"";

QtMessageHandler s_previousHandler = nullptr;
bool s_connectionFailed = false;
bool s_waylandNotFound = false;
std::string s_triedXDisplay; // as the xcb plugin names it
std::string s_refusal; // what the X library wrote when the server turned the connection down

// Standard error is held in memory while QApplication connects. The X library writes a
// refusing server's reason ("Authorization required, ...") straight to it, where no message
// handler sees it: unheld, that line would stand beside Sivane's own, and the reason could
// not be quoted there. Qt writes its messages to standard error too, so they are held with
// it, in their order.
int s_savedStandardError = -1;
int s_heldStandardError = -1;
off_t s_endOfLastMessage = 0; // where the held text stood after Qt's last message

void holdStandardError()
{
    std::fflush(stderr);
    s_heldStandardError = memfd_create("sivane-stderr", MFD_CLOEXEC);
    if (s_heldStandardError < 0)
        return;
    s_savedStandardError = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (s_savedStandardError < 0 || dup2(s_heldStandardError, STDERR_FILENO) < 0) {
        close(s_heldStandardError);
        s_heldStandardError = -1;
    }
}

// What standard error holds from `offset` on.
std::string heldSince(off_t offset)
{
    std::string written;
    char buffer[4096];
    if (s_heldStandardError < 0)
        return written;
    for (ssize_t n; (n = pread(s_heldStandardError, buffer, sizeof buffer, offset)) > 0;
         offset += n)
        written.append(buffer, std::size_t(n));
    return written;
}

// Gives standard error back and returns what was written to it meanwhile.
std::string releaseStandardError()
{
    if (s_heldStandardError < 0)
        return {};
    std::fflush(stderr);
    std::string written = heldSince(0);
    dup2(s_savedStandardError, STDERR_FILENO);
    close(s_savedStandardError);
    close(s_heldStandardError);
    s_heldStandardError = -1;
    return written;
}

std::string displayProblem()
{
    std::string named;
    const auto add
        = [&named](const std::string &what) { named += named.empty() ? what : ", " + what; };
    // An X display other than DISPLAY's was named with Qt's -display option.
    const char *xDisplay = std::getenv("DISPLAY");
    const std::string fromVariable = xDisplay ? xDisplay : "";
    if (!s_triedXDisplay.empty() && s_triedXDisplay != fromVariable)
        add("-display " + s_triedXDisplay);
    else if (!fromVariable.empty())
        add("DISPLAY=" + fromVariable);
    if (const char *waylandDisplay = std::getenv("WAYLAND_DISPLAY");
        waylandDisplay && *waylandDisplay)
        add(std::string("WAYLAND_DISPLAY=") + waylandDisplay);
    const std::string where = named.empty() ? std::string() : " (" + named + ')';
    if (s_waylandNotFound) {
        return "sivane: cannot open the display" + where
            + ": Qt's Wayland platform plugin is missing; install the package qt6-wayland";
    }
    if (named.empty()) {
        return "sivane: no display to show the windows on: neither DISPLAY nor WAYLAND_DISPLAY "
               "is set; start it in a desktop session or set one of them, e.g. DISPLAY=:0";
    }
    if (!s_triedXDisplay.empty() && !s_refusal.empty()) {
        const std::string reason = s_refusal.substr(0, s_refusal.find('\n'));
        return "sivane: cannot open the display" + where
            + ": the display server refused the connection (" + reason
            + "); run Sivane as the user of that desktop session, or set XAUTHORITY";
    }
    return "sivane: cannot open the display" + where
        + ": no display server answers there; set DISPLAY or WAYLAND_DISPLAY to a running one";
}

void watchMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (text.startsWith(xcbCannotConnect)) {
        s_connectionFailed = true;
        s_triedXDisplay
            = text.sliced(xcbCannotConnect.size()).trimmed().toLocal8Bit().toStdString();
        // The X library has just given up, and what it wrote comes after Qt's last message.
        s_refusal = heldSince(s_endOfLastMessage);
    } else if (text.startsWith(waylandCannotConnect)) {
        s_connectionFailed = true;
    } else if (text.startsWith(waylandNotFound)) {
        s_waylandNotFound = true;
    }
    if (type != QtFatalMsg) {
        s_previousHandler(type, context, text);
        std::fflush(stderr);
        s_endOfLastMessage = lseek(STDERR_FILENO, 0, SEEK_CUR);
        return;
    }
    const std::string written = releaseStandardError();
    if (s_connectionFailed || s_waylandNotFound) {
        std::fprintf(stderr, "%s\n", displayProblem().c_str());
    } else {
        std::fputs(written.c_str(), stderr);
        s_previousHandler(type, context, text);
    }
    // The application object is half built: nothing may run behind this, not even the
    // destructors of static objects, and there is nothing to dump.
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

void holdStartupMessages()
{
    holdStandardError();
    s_previousHandler = qInstallMessageHandler(watchMessage);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(s_previousHandler);
    std::fputs(releaseStandardError().c_str(), stderr);
}

} // namespace sivane
