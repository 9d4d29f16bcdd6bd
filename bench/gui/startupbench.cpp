// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times programs from exec to exit and reads their peak memory, run in turn
// so that a busy moment of the machine hits all of them alike:
//
//   velmarit_startup_bench [--runs N] name=program name=program...
//
// Each program is started once to warm the caches, then N times (at least
// 11, default 21). Reported: median, min and max wall time from the spawn to
// the end of the child, the median of its CPU time (user + system) and of its
// peak resident set (both from wait4),
// and the last program's ratios to the first. Without a display the programs
// run on Qt's offscreen platform.

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <thread>
#include <vector>

extern char **environ;

namespace {

struct Sample
{
    double milliseconds = 0;
    double cpuMilliseconds = 0; // user + system: less disturbed by a busy machine
    long peakKiB = 0;
};

bool runOnce(const char *program, Sample &sample)
{
    char *argv[] = {const_cast<char *>(program), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(errno));
        return false;
    }
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0) {
        if (errno != EINTR)
            return false;
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end normally (status %d)\n", program, status);
        return false;
    }
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.cpuMilliseconds = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                             (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    sample.peakKiB = usage.ru_maxrss;
    return true;
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary
{
    double medianMs, minMs, maxMs, medianCpuMs, medianMiB;
};

Summary summarise(const std::vector<Sample> &samples)
{
    std::vector<double> ms;
    std::vector<double> cpu;
    std::vector<double> mib;
    for (const Sample &s : samples) {
        ms.push_back(s.milliseconds);
        cpu.push_back(s.cpuMilliseconds);
        mib.push_back(s.peakKiB / 1024.0);
    }
    return {median(ms), *std::min_element(ms.begin(), ms.end()),
            *std::max_element(ms.begin(), ms.end()), median(cpu), median(mib)};
}

std::string cpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    std::string line;
    while (std::getline(cpuinfo, line)) {
        if (line.rfind("model name", 0) == 0)
            return line.substr(line.find(':') + 2);
    }
    return "unknown CPU";
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 21;
    std::vector<std::string> names;
    std::vector<std::string> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--runs" && i + 1 < argc) {
            runs = std::max(11, std::atoi(argv[++i]));
            continue;
        }
        const auto eq = arg.find('=');
        names.push_back(eq == std::string::npos ? arg : arg.substr(0, eq));
        programs.push_back(eq == std::string::npos ? arg : arg.substr(eq + 1));
    }
    if (programs.size() < 2) {
        std::fprintf(stderr, "usage: %s [--runs N] name=program name=program...\n", argv[0]);
        return 2;
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") &&
        !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!std::getenv("XDG_RUNTIME_DIR")) {
        // Qt warns on every start without one; a private directory keeps the
        // output clean and changes nothing measured.
        char dir[] = "/tmp/velmarit-bench-XXXXXX";
        if (mkdtemp(dir))
            setenv("XDG_RUNTIME_DIR", dir, 1);
    }

    const std::size_t count = programs.size();
    std::vector<std::vector<Sample>> samples(count);
    Sample warmUp;
    for (const std::string &program : programs) {
        if (!runOnce(program.c_str(), warmUp))
            return 1;
    }
    for (int i = 0; i < runs; ++i) {
        // Rotate the order, so that no program always follows the same one.
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t which = (i + k) % count;
            Sample s;
            if (!runOnce(programs[which].c_str(), s))
                return 1;
            samples[which].push_back(s);
        }
    }

    utsname machine{};
    uname(&machine);
    const char *platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("Start-up to first paint and exit: %d runs each after a warm-up, in turn\n", runs);
    std::printf("Machine: %s, %u cores, %s %s; Qt platform: %s\n\n", cpuModel().c_str(),
                std::thread::hardware_concurrency(), machine.sysname, machine.release,
                platform ? platform : "xcb (DISPLAY)");
    std::printf("%-20s %10s %7s %7s %11s %13s\n", "", "median ms", "min ms", "max ms", "median CPU",
                "peak RSS MiB");
    std::vector<Summary> summary;
    for (std::size_t k = 0; k < count; ++k) {
        summary.push_back(summarise(samples[k]));
        std::printf("%-20s %10.1f %7.1f %7.1f %11.1f %13.1f\n", names[k].c_str(),
                    summary[k].medianMs, summary[k].minMs, summary[k].maxMs, summary[k].medianCpuMs,
                    summary[k].medianMiB);
    }
    std::printf("\n");
    for (std::size_t k = 1; k + 1 < count; ++k) {
        std::printf("%s / %s: time %.2f x, CPU %.2f x, memory %.2f x\n", names.back().c_str(),
                    names[k].c_str(), summary.back().medianMs / summary[k].medianMs,
                    summary.back().medianCpuMs / summary[k].medianCpuMs,
                    summary.back().medianMiB / summary[k].medianMiB);
    }
    std::printf("%s / %s: time %.2f x (goal <= 1.3), CPU %.2f x, memory %.2f x (goal <= 1.2)\n",
                names.back().c_str(), names.front().c_str(),
                summary.back().medianMs / summary.front().medianMs,
                summary.back().medianCpuMs / summary.front().medianCpuMs,
                summary.back().medianMiB / summary.front().medianMiB);
    return 0;
}
