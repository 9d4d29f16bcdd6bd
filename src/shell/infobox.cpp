// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/infobox.h"

#include "shell/programinfo.h"

#include <QMessageBox>

namespace velmarit {

void showInfoBox(QWidget *parent)
{
    QMessageBox box(QMessageBox::Information, programInfo().infoBoxTitle, programInfo().infoBoxText,
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("infoBox"));
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmarit
