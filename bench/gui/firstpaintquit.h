// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

namespace velmarit::bench {

// Ends the application once the watched window has painted for the first
// time. A quit queued right after show() would end the program before any
// frame is drawn; quitting from the first paint measures a start-up the user
// would actually see.
class FirstPaintQuit : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_quitting = false;
};

} // namespace velmarit::bench
