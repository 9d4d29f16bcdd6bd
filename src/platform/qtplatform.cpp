// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/qtplatform.h"

#include <QtGlobal>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace velmarit {

namespace {

// The Wayland plugins are "wayland", "wayland-egl" and the like.
bool isWaylandPlatform(const QString &platformName)
{
    return platformName.startsWith(QLatin1String("wayland"));
}

} // namespace

QByteArray preferredPlatform(const QByteArray &qpaPlatform, const QByteArray &display,
                             const QByteArray &waylandDisplay)
{
    if (!qpaPlatform.isEmpty())
        return {};
    // Qt takes a list separated by semicolons and uses the first platform
    // that starts.
    if (!display.isEmpty() && !waylandDisplay.isEmpty())
        return QByteArrayLiteral("xcb;wayland");
    return {};
}

DisplayOptions displayOptions(int argc, const char *const *argv)
{
    // Qt's application object takes its options out first; those with a
    // value take the next argument whatever it is. The X11 platform then
    // reads what is left.
    const auto name = [](const char *arg) {
        const std::string_view view(arg);
        return view.starts_with("--") ? view.substr(1) : view;
    };
    static constexpr std::string_view guiOptionsWithValue[] = {
        "-platformpluginpath", "-platform",     "-platformtheme",
        "-qwindowgeometry",    "-qwindowtitle", "-qwindowicon",
        "-geometry",           "-title",        "-icon",
    };
    static constexpr std::string_view xcbOptionsWithValue[] = {"-display", "-name", "-visual"};

    DisplayOptions options;
    std::vector<int> left;
    for (int i = 1; i < argc; ++i) {
        if (!argv[i])
            continue;
        const std::string_view arg = name(argv[i]);
        if (!arg.starts_with('-') ||
            std::find(std::begin(guiOptionsWithValue), std::end(guiOptionsWithValue), arg) ==
                std::end(guiOptionsWithValue)) {
            left.push_back(i);
            continue;
        }
        if (++i < argc && arg == "-platform") {
            options.platform = argv[i];
            options.platformValue = i;
        }
    }
    for (std::size_t k = 0; k < left.size(); ++k) {
        const std::string_view arg = name(argv[left[k]]);
        if (std::find(std::begin(xcbOptionsWithValue), std::end(xcbOptionsWithValue), arg) ==
                std::end(xcbOptionsWithValue) ||
            k + 1 == left.size())
            continue;
        ++k;
        if (arg == "-display")
            options.display = argv[left[k]];
    }
    return options;
}

bool platformKnowsWindowPosition(const QString &platformName)
{
    return !isWaylandPlatform(platformName);
}

bool platformNeedsQuickExit(const QString &platformName, const QVersionNumber &qtVersion)
{
    // Seen with 6.4.2, Debian 12's Qt; the whole 6.4 series is assumed to
    // share the teardown, and later series to have left it behind.
    static const QVersionNumber firstAffected(6, 4);
    static const QVersionNumber firstUnaffected(6, 5);
    return isWaylandPlatform(platformName) && qtVersion >= firstAffected &&
           qtVersion < firstUnaffected;
}

} // namespace velmarit
