// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

#include <functional>
#include <optional>

class QKeyEvent;

namespace velmarit {

// Runs a KeyPress handler for every character typed into the watched box,
// before the box sees it, and drops the key when the handler sets the code
// to 0. Only typed characters reach the handler: editing and navigation keys
// (arrows, Delete, Tab) and shortcuts (copy, cut, paste, select all, undo,
// redo) are commands, and text that arrives by pasting or dropping is not
// typed at all; the box's change handler reads such text like any other.
class KeyPressFilter : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<void(int &keyAscii)>;

    KeyPressFilter(QObject *parent, Handler handler);

    // The character code a key event types into a line edit, or nothing for
    // a key whose text the line edit does not insert (a command key).
    // Backspace is 8, Enter 13 and Escape 27, as the handlers expect.
    static std::optional<int> typedCharacter(const QKeyEvent &event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Handler m_handler;
};

} // namespace velmarit
