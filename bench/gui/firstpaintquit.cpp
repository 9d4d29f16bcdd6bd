// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "firstpaintquit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>

namespace velmarit::bench {

bool FirstPaintQuit::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_quitting) {
        m_quitting = true;
        // Queued, so that this paint event is finished and flushed first.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmarit::bench
