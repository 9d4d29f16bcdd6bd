// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdfapplication.h"

#include "pdfplatform.h"

#include <QGuiApplication>

namespace velmarit {

std::unique_ptr<QCoreApplication> createPdfApplication(int &argc, char **argv)
{
    preparePdfPlatform();
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace velmarit
