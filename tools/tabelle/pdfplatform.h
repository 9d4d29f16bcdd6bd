// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the PDF output needs from the platform, in one place per platform
// (pdfplatform_unix.cpp, pdfplatform_windows.cpp; CMake picks one).
namespace velmarit {

// Called before the application object exists. Writing a PDF needs fonts but
// no screen: where the platform needs a display, pick one that does not, so
// the PDF can be made on a console, over SSH or on a print server. A platform
// the user chose (QT_QPA_PLATFORM, -platform) is kept.
void preparePdfPlatform();

} // namespace velmarit
