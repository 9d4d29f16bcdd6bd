// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Running a program as a user would, for the command-line and PDF tests:
// velmarit-tabelle itself and the poppler tools that read its PDF back.

#include <functional>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace velmarit::test {

// What a finished program left: its exit status (-1 when it did not end
// normally within a minute) and its two output streams as UTF-8 text.
struct ProgramRun
{
    int exitCode = -1;
    QString out;
    QString err;
};

// The system's environment with the language variables of `language` alone
// ("LANG=fr_FR.UTF-8"), whatever the caller's locale is: the program
// speaks the language they ask for.
inline QProcessEnvironment environmentIn(const QStringList &language)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(QString::fromLatin1(name));
    for (const QString &variable : language)
        environment.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    return environment;
}

struct RunSetup
{
    QString outputFile{}; // standard output goes into this file instead
    // The C locale's: German, as a caller that reads the German output asks.
    QProcessEnvironment environment = environmentIn({QStringLiteral("LANG=C.UTF-8")});
    std::function<void()> childSetup{}; // runs in the child just before it starts the program
};

inline ProgramRun runProgram(const QString &program, const QStringList &arguments,
                             const RunSetup &setup = {})
{
    QProcess process;
    process.setProcessEnvironment(setup.environment);
    if (!setup.outputFile.isEmpty())
        process.setStandardOutputFile(setup.outputFile);
    if (setup.childSetup)
        process.setChildProcessModifier(setup.childSetup);
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {-1, {}, process.errorString()};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// The velmarit-tabelle of this build.
inline ProgramRun runTabelle(const QStringList &arguments, const RunSetup &setup = {})
{
    return runProgram(QStringLiteral(TABELLE_PROGRAM), arguments, setup);
}

} // namespace velmarit::test
