// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where Qt's platform talks to a display server: X11 or Wayland.

#include "platform/qtplatform.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace velmarit {

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// Connects as Qt's X11 platform will, through libxcb (which that platform
// loads anyway), so the answer includes the server's access control. The
// library is opened here rather than linked: the program needs it only on X.
bool xServerAnswers(const std::string &display)
{
    void *xcb = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!xcb)
        return false;
    using Connect = void *(*)(const char *, int *);
    using HasError = int (*)(void *);
    using Disconnect = void (*)(void *);
    const auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(xcb, "xcb_disconnect"));
    bool answers = false;
    if (connect && hasError && disconnect) {
        // A failed connection is still an object that must be freed.
        void *connection = connect(display.c_str(), nullptr);
        answers = connection && hasError(connection) == 0;
        if (connection)
            disconnect(connection);
    }
    ::dlclose(xcb);
    return answers;
}

// The compositor's socket, found the way the Wayland client library finds
// it: a name relative to XDG_RUNTIME_DIR, or an absolute path.
bool compositorAnswers(const std::string &name)
{
    std::string path = name;
    if (name.empty() || name.front() != '/') {
        const std::string runtimeDir = environment("XDG_RUNTIME_DIR");
        if (runtimeDir.empty())
            return false;
        path = runtimeDir + '/' + name;
    }
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answers =
        ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return answers;
}

// What one kind of display lacks, as a clause of the message; empty when it
// answers.
std::string xProblem(bool requested)
{
    const std::string display = environment("DISPLAY");
    if (display.empty())
        return requested ? "QT_QPA_PLATFORM verlangt einen X-Server, aber DISPLAY ist nicht gesetzt"
                         : "";
    if (xServerAnswers(display))
        return {};
    return "an DISPLAY=" + display + " antwortet kein X-Server";
}

std::string waylandProblem(bool requested)
{
    // A socket handed over by the starter is already connected.
    if (!environment("WAYLAND_SOCKET").empty())
        return {};
    std::string name = environment("WAYLAND_DISPLAY");
    if (name.empty() && !requested)
        return {};
    const bool named = !name.empty();
    if (!named)
        name = "wayland-0"; // what the client library takes then
    if (compositorAnswers(name))
        return {};
    std::string clause = "an " + (named ? "WAYLAND_DISPLAY=" + name
                                        : name + " (WAYLAND_DISPLAY ist nicht gesetzt)") +
                         " antwortet kein Wayland-Compositor";
    if (name.front() != '/' && environment("XDG_RUNTIME_DIR").empty())
        clause += " (XDG_RUNTIME_DIR ist nicht gesetzt)";
    return clause;
}

// The display platforms among Qt's ("xcb", "wayland", "wayland-egl", ...).
bool isX(std::string_view platform)
{
    return platform == "xcb";
}
bool isWayland(std::string_view platform)
{
    return platform.starts_with("wayland");
}

} // namespace

std::string missingDisplay()
{
    // QT_QPA_PLATFORM is a list separated by semicolons, each entry a
    // platform name with options after a colon; Qt takes the first that
    // starts.
    const std::string platforms = environment("QT_QPA_PLATFORM");
    bool wantX = false;
    bool wantWayland = false;
    if (platforms.empty()) {
        wantX = !environment("DISPLAY").empty();
        wantWayland =
            !environment("WAYLAND_DISPLAY").empty() || !environment("WAYLAND_SOCKET").empty();
        if (!wantX && !wantWayland)
            return "velmarit: Keine grafische Anzeige gefunden: weder DISPLAY noch "
                   "WAYLAND_DISPLAY ist gesetzt.";
    } else {
        std::string_view rest = platforms;
        while (!rest.empty()) {
            const std::string_view entry = rest.substr(0, rest.find(';'));
            rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
            const std::string_view name = entry.substr(0, entry.find(':'));
            if (name.empty())
                continue;
            if (isX(name))
                wantX = true;
            else if (isWayland(name))
                wantWayland = true;
            else
                return {}; // offscreen, minimal, vnc, eglfs, ...: no display to ask
        }
        if (!wantX && !wantWayland)
            return {};
    }

    std::vector<std::string> problems;
    if (wantX) {
        std::string problem = xProblem(!platforms.empty());
        if (problem.empty())
            return {};
        problems.push_back(std::move(problem));
    }
    if (wantWayland) {
        std::string problem = waylandProblem(!platforms.empty());
        if (problem.empty())
            return {};
        problems.push_back(std::move(problem));
    }
    std::string message = "velmarit: Keine grafische Anzeige gefunden: ";
    for (std::size_t i = 0; i < problems.size(); ++i)
        message += (i == 0 ? "" : ", und ") + problems[i];
    return message + '.';
}

void preparePdfPlatform()
{
    // Without a platform the default one (xcb) would abort where there is no
    // X display. The offscreen platform has the same fontconfig fonts and
    // needs no display even where there is one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
}

} // namespace velmarit
