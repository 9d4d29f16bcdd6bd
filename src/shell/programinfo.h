// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/texts.h"

#include <QString>

namespace velmarit {

// What the program says about itself, in its language: the release label,
// the credit texts and the information box, the page's texts of them.
struct ProgramInfo
{
    // "Rel. 2.0.3"
    QString releaseCaption;
    // "programmed by " and the author's name, no blank after it.
    QString creditText;
    // The credit text with one blank before and one after, for the picture's
    // hover text.
    QString creditHoverText;
    // " Info über Velmarit"
    QString infoBoxTitle;
    // Six lines: program, release as major.revision ("2.3" for 2.0.3),
    // empty, copyright, empty, contact.
    QString infoBoxText;
};

// The texts of `language` with the values given: the program's name and
// version, its author, copyright holder and contact.
ProgramInfo makeProgramInfo(const QString &productName, int major, int minor, int revision,
                            const QString &author, const QString &copyrightHolder,
                            const QString &contact, const Texts &language = texts::german);

// The texts with the values this build was made with.
ProgramInfo programInfo(const Texts &language = texts::german);

} // namespace velmarit
