// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where Qt's platform talks to a display server: X11 or Wayland.

#include "platform/qtplatform.h"

#include "texts/fill.h"

#include <QByteArray>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace velmarit {

namespace {

std::string environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

// How long an X server may take to answer a new connection. A local one
// answers within milliseconds, and one that a Wayland compositor starts on
// the first connection (XWayland) within a second or two.
constexpr auto xAnswerTime = std::chrono::seconds(5);

enum class XAnswer {
    Answers,
    NoServer,
    Refused,  // it answered, and turned the connection away
    NoScreen, // it has no screen of the number DISPLAY names
    Silent,   // it took the connection and said nothing in time
};

// What a test connection reports, as the one byte the process that made it
// writes back.
enum XConnectStatus {
    xConnected = 0,
    xFailed = 1,
    xNoScreen = 2,
};

// Connects as Qt's X11 platform will, through libxcb (which that platform
// loads anyway), so the answer includes the server's access control and
// its screens. The library is opened here rather than linked: the program
// needs it only on X.
XConnectStatus connectToX(const std::string &display)
{
    void *xcb = ::dlopen("libxcb.so.1", RTLD_LAZY | RTLD_LOCAL);
    if (!xcb)
        return xFailed;
    using Connect = void *(*)(const char *, int *);
    using HasError = int (*)(void *);
    const auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
    if (!connect || !hasError)
        return xFailed;
    // With a place for the screen number, libxcb also checks that the
    // server has that screen (XCB_CONN_CLOSED_INVALID_SCREEN otherwise).
    constexpr int invalidScreen = 6;
    int screen = 0;
    void *connection = connect(display.c_str(), &screen);
    const int error = connection ? hasError(connection) : -1;
    return error == 0 ? xConnected : error == invalidScreen ? xNoScreen : xFailed;
}

// The server's own words, one line of printable text.
std::string serverWords(const std::string &said)
{
    std::string line = said.substr(0, std::min(said.find('\n'), std::size_t{200}));
    for (char &c : line)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = ' ';
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
    return line;
}

struct XProbe
{
    XAnswer answer = XAnswer::NoServer;
    std::string reason; // what a server that refused said
};

// libxcb waits for the server's first answer with no time limit, so the
// connection is tried in a child process that can be given up. A server
// that refuses says why; libxcb writes that to standard error, which the
// child hands back through a pipe.
//
// The child's verdict comes back through a second pipe, not as its exit
// status. A program started by a parent that ignores SIGCHLD keeps that
// setting across exec, and then the kernel reaps the child at once: waitpid
// fails with ECHILD and no status is left to read. Taking a failed waitpid
// as a failed check would turn away every display that answers there.
// Setting SIGCHLD back to its default around the probe would work, but it
// changes a setting of the whole process for a while and must be restored on
// every way out. A byte in a pipe arrives whatever the signal settings are;
// waitpid is left only to reap the child.
XProbe probeXServer(const std::string &display)
{
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return {};
    // Non-blocking, so that reading it never waits: the byte is there once
    // the child has ended, or there is none.
    int verdict[2];
    if (::pipe2(verdict, O_CLOEXEC | O_NONBLOCK) != 0) {
        ::close(channel[0]);
        ::close(channel[1]);
        return {};
    }
    const pid_t child = ::fork();
    if (child < 0) {
        for (const int fd : {channel[0], channel[1], verdict[0], verdict[1]})
            ::close(fd);
        return {};
    }
    if (child == 0) {
        ::dup2(channel[1], STDERR_FILENO);
        const char result = static_cast<char>(connectToX(display));
        ::_exit(::write(verdict[1], &result, 1) == 1 ? 0 : 1);
    }
    ::close(channel[1]);
    ::close(verdict[1]);

    std::string said;
    bool ended = false;
    const auto deadline = std::chrono::steady_clock::now() + xAnswerTime;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd ready = {channel[0], POLLIN, 0};
        const int count = ::poll(&ready, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            break;
        char buffer[512];
        const ssize_t got = ::read(channel[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ended = true;
            break;
        }
        if (said.size() < 4096)
            said.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    // The child writes its verdict before it ends, and its standard error
    // closes only as it ends: after the end of that output the byte is in
    // the pipe. No byte: the child died before it could judge.
    char result = xFailed;
    if (ended && ::read(verdict[0], &result, 1) != 1)
        result = xFailed;
    ::close(verdict[0]);
    if (!ended)
        ::kill(child, SIGKILL);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    if (!ended)
        return {XAnswer::Silent, {}};
    if (result == xConnected)
        return {XAnswer::Answers, {}};
    if (result == xNoScreen)
        return {XAnswer::NoScreen, {}};
    const std::string reason = serverWords(said);
    return {reason.empty() ? XAnswer::NoServer : XAnswer::Refused, reason};
}

// The screen number in an X display name ("host:display.screen"); 0 when
// it names none.
std::string screenNumber(const std::string &display)
{
    const std::size_t colon = display.rfind(':');
    const std::size_t dot = display.find('.', colon == std::string::npos ? 0 : colon);
    return dot == std::string::npos ? "0" : display.substr(dot + 1);
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

// Where the program looks for a display: Qt's command-line options over
// the environment.
struct DisplayPlace
{
    std::string platforms;       // the list of Qt platforms asked for; empty: Qt's choice
    std::string platformsSource; // "-platform" or "QT_QPA_PLATFORM"
    std::string x;               // the X display
    std::string xSource;         // "-display :1" or "DISPLAY=:1"
};

// What an X server lacks, as a clause of the message; empty when it answers.
std::string xProblem(const DisplayPlace &place, const XProbe &probe, const Texts &language)
{
    const auto &says = language.display;
    switch (probe.answer) {
    case XAnswer::Answers:
        return {};
    case XAnswer::Refused:
        return fill(says.xRefused, {{"x", place.xSource}, {"reason", probe.reason}});
    case XAnswer::NoScreen:
        return fill(says.xNoScreen, {{"x", place.xSource}, {"screen", screenNumber(place.x)}});
    case XAnswer::Silent:
        return fill(says.xSilent,
                    {{"x", place.xSource}, {"seconds", std::to_string(xAnswerTime.count())}});
    case XAnswer::NoServer:
        break;
    }
    return fill(says.xNone, {{"x", place.xSource}});
}

std::string waylandProblem(bool requested, const Texts &language)
{
    const auto &says = language.display;
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
    const std::string where =
        named ? "WAYLAND_DISPLAY=" + name : fill(says.waylandUnset, {{"name", name}});
    std::string clause = fill(says.waylandNone, {{"wayland", where}});
    if (name.front() != '/' && environment("XDG_RUNTIME_DIR").empty())
        clause = fill(says.runtimeUnset, {{"problem", clause}});
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

// The entries of a platform list ("xcb;wayland", "offscreen:fontconfig"),
// and the platform each names.
std::vector<std::string> platformEntries(const std::string &platforms)
{
    std::vector<std::string> entries;
    std::string_view rest = platforms;
    while (!rest.empty()) {
        const std::string_view entry = rest.substr(0, rest.find(';'));
        rest.remove_prefix(std::min(rest.size(), entry.size() + 1));
        if (!entry.empty() && entry.front() != ':')
            entries.emplace_back(entry);
    }
    return entries;
}
std::string_view platformOf(std::string_view entry)
{
    return entry.substr(0, entry.find(':'));
}

} // namespace

std::string prepareDisplay(int argc, char **argv, const Texts &language)
{
    const auto &says = language.display;
    const DisplayOptions options = displayOptions(argc, argv);
    DisplayPlace place;
    place.platforms = options.platform.empty() ? environment("QT_QPA_PLATFORM") : options.platform;
    place.platformsSource = options.platform.empty() ? "QT_QPA_PLATFORM" : "-platform";
    place.x = options.display.empty() ? environment("DISPLAY") : options.display;
    place.xSource = options.display.empty() ? "DISPLAY=" + place.x : "-display " + place.x;
    const bool requested = !place.platforms.empty();

    // The platforms in the order Qt tries them; without a list, the ones the
    // environment offers, X11 first (preferredPlatform).
    std::vector<std::string> entries = platformEntries(place.platforms);
    if (!requested) {
        if (!place.x.empty())
            entries.emplace_back("xcb");
        if (!environment("WAYLAND_DISPLAY").empty() || !environment("WAYLAND_SOCKET").empty())
            entries.emplace_back("wayland");
        if (entries.empty())
            return std::string(says.unset);
    }

    std::vector<std::string> problems;
    bool xAsked = false;
    bool xFailed = false;
    bool found = false;
    for (const std::string &entry : entries) {
        const std::string_view platform = platformOf(entry);
        std::string problem;
        if (isX(platform)) {
            if (xAsked)
                continue;
            xAsked = true;
            problem = place.x.empty()
                          ? fill(says.xUnset, {{"source", place.platformsSource}})
                          : xProblem(place, probeXServer(place.x), language);
            xFailed = !problem.empty();
        } else if (isWayland(platform)) {
            problem = waylandProblem(requested, language);
        }
        // Any other platform (offscreen, minimal, vnc, eglfs, ...) needs no
        // display to ask.
        if (problem.empty()) {
            found = true;
            break;
        }
        problems.push_back(std::move(problem));
    }

    if (!found) {
        std::string all;
        for (std::size_t i = 0; i < problems.size(); ++i)
            all += (i == 0 ? "" : std::string(says.problemsApart)) + problems[i];
        return fill(says.notFound, {{"problems", all}});
    }

    // Qt would try an X server that failed again, and wait for ever on one
    // that does not answer: the list it gets names what was found instead.
    std::string chosen;
    if (xFailed) {
        for (const std::string &entry : entries) {
            if (!isX(platformOf(entry)))
                chosen += (chosen.empty() ? "" : ";") + entry;
        }
    } else if (!requested) {
        chosen =
            preferredPlatform({}, QByteArray::fromStdString(place.x), qgetenv("WAYLAND_DISPLAY"))
                .toStdString();
    }
    if (chosen.empty())
        return {};
    if (options.platformValue > 0) {
        // The value must outlive the application object, which keeps argv.
        static std::string platformArgument;
        platformArgument = chosen;
        argv[options.platformValue] = platformArgument.data();
    } else {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(chosen));
    }
    return {};
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
