// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QStringList>

// What the PDF output needs from the platform, in one place per platform
// (pdfplatform_unix.cpp, pdfplatform_windows.cpp; CMake picks one).
namespace velmarit {

// Called before the application object exists. Writing a PDF needs fonts but
// no screen: where the platform needs a display, pick one that does not, so
// the PDF can be made on a console, over SSH or on a print server. A platform
// the user chose (QT_QPA_PLATFORM, -platform) is kept.
void preparePdfPlatform();

// The font families to set the PDF in, most wanted first; the first one
// installed is used and embedded.
QStringList pdfFontFamilies();

} // namespace velmarit
