// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/infobox.h"

#include "shell/programinfo.h"

#include <QMessageBox>

namespace velmarit {

QString infoBoxDisplayText(const QString &text)
{
    QString shown = text;
    shown.replace(u'\r', u'\n');
    return shown;
}

void showInfoBox(QWidget *parent)
{
    const QString text = infoBoxText();
    QMessageBox box(QMessageBox::Information, infoBoxTitle(), infoBoxDisplayText(text),
                    QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("infoBox"));
    box.setProperty("sourceText", text);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace velmarit
