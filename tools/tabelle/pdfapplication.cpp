// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdfapplication.h"

#include "platform/qtplatform.h"

#include <QGuiApplication>
#include <QHashSeed>

namespace velmarit {

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt looks for the per-user runtime folder while it sets up the platform
// and warns when a session has none (root in a container, some print
// servers). The PDF never uses that folder, so the warning would only be
// noise before the program's own messages.
void withoutRuntimeFolderWarning(QtMsgType type, const QMessageLogContext &context,
                                 const QString &message)
{
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    previousHandler(type, context, message);
}

} // namespace

std::unique_ptr<QCoreApplication> createPdfApplication(int &argc, char **argv)
{
    preparePdfPlatform();
    // Qt names and orders the embedded font subsets through hash tables
    // seeded at random per process; a fixed seed makes two runs with the
    // same tables write the same bytes. Nothing here hashes untrusted input.
    QHashSeed::setDeterministicGlobalSeed();
    // Qt dates the PDF in local time, "Z" in UTC and an offset elsewhere,
    // which even differ in length; a reproducible build wants one form
    // wherever it runs.
    if (!qEnvironmentVariableIsEmpty("SOURCE_DATE_EPOCH"))
        qputenv("TZ", "UTC");
    previousHandler = qInstallMessageHandler(withoutRuntimeFolderWarning);
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(previousHandler);
    return app;
}

} // namespace velmarit
