// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <QCoreApplication>

namespace velmarit {

// The application object for writing a PDF: fonts need a GUI application,
// set up on a platform that needs no display (see platform/qtplatform.h). The text
// and CSV forms keep a plain QCoreApplication.
std::unique_ptr<QCoreApplication> createPdfApplication(int &argc, char **argv);

} // namespace velmarit
