// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/infobox.h"

#include "shell/programinfo.h"

#include <QMessageBox>

namespace velmarit {

void showInfoBox(QWidget *parent, const Texts &language)
{
    const ProgramInfo info = programInfo(language);
    QMessageBox box(QMessageBox::Information, info.infoBoxTitle, info.infoBoxText, QMessageBox::Ok,
                    parent);
    box.setObjectName(QStringLiteral("infoBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmarit
