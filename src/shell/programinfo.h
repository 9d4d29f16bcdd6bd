// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace velmarit {

// What the program says about itself: the release label, the credit texts
// and the information box. Each function has a form that takes its values
// (for the tests) and one that uses the values this build was made with.

// "Rel. 2.0.3"
QString releaseCaption(int major, int minor, int revision);
QString releaseCaption();

// "programmed by " and the author's name, no blank after it.
QString creditText(const QString &author);
QString creditText();

// The credit text with one blank before and one after, for the picture's
// hover text.
QString creditHoverText(const QString &author);
QString creditHoverText();

// " Info über Velmarit"
QString infoBoxTitle(const QString &productName);
QString infoBoxTitle();

// Six lines joined by single carriage returns (no line feeds): program,
// release as major.revision ("2.3" for 2.0.3), empty, copyright, empty,
// contact.
QString infoBoxText(const QString &productName, int major, int revision,
                    const QString &copyrightHolder, const QString &contact);
QString infoBoxText();

} // namespace velmarit
