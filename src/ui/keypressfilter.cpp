// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/keypressfilter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>

namespace velmarit {

namespace {

// Platform spellings of the editing commands (Shift+Insert pastes on X11, for
// instance); matches() knows them all.
constexpr QKeySequence::StandardKey editingCommands[] = {
    QKeySequence::Copy, QKeySequence::Cut,  QKeySequence::Paste,
    QKeySequence::Undo, QKeySequence::Redo, QKeySequence::SelectAll,
};

std::optional<int> singleCharacter(const QString &text)
{
    const QList<uint> codes = text.toUcs4();
    if (codes.size() != 1)
        return std::nullopt;
    return static_cast<int>(codes.front());
}

} // namespace

KeyPressFilter::KeyPressFilter(QObject *parent, Handler handler)
    : QObject(parent), m_handler(std::move(handler))
{
}

std::optional<int> KeyPressFilter::typedCharacter(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }

    for (const auto command : editingCommands)
        if (event.matches(command))
            return std::nullopt;

    // Control and Meta make a shortcut; Control with Alt is AltGr on some
    // keyboards and still types a character ("@", "{").
    const auto modifiers =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool altGr = modifiers == (Qt::ControlModifier | Qt::AltModifier);
    if ((modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !altGr)
        return std::nullopt;

    const std::optional<int> code = singleCharacter(event.text());
    if (code == 127) // Delete on some keyboards
        return std::nullopt;
    return code;
}

bool KeyPressFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const std::optional<int> code = typedCharacter(*static_cast<QKeyEvent *>(event));
        if (!code)
            return false;
        int keyAscii = *code;
        m_handler(keyAscii);
        return keyAscii == 0;
    }

    // A character composed with a dead key or an input method arrives as a
    // commit rather than a key press, but it is typed all the same. Longer
    // commits are treated like pasted text.
    if (event->type() == QEvent::InputMethod) {
        auto *im = static_cast<QInputMethodEvent *>(event);
        if (const std::optional<int> code = singleCharacter(im->commitString())) {
            int keyAscii = *code;
            m_handler(keyAscii);
            if (keyAscii == 0)
                im->setCommitString(QString());
        }
        return false;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velmarit
