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

// Whether the line edit inserts the key's text, by the rule of Qt's own text
// controls: the text decides, not the modifiers. Only Control alone and
// Control+Shift keep a printable text out (they make shortcuts). With Meta
// (the Super key), Control+Meta, Control on the keypad or Control+Alt (AltGr
// on some keyboards) the line edit types the text, so the handler must see it.
bool lineEditInserts(const QKeyEvent &event)
{
    const QString text = event.text();
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    // Joiners and direction marks are typed with Control+Shift on Windows.
    if (first.category() == QChar::Other_Format)
        return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers == Qt::ControlModifier || modifiers == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return first.isPrint() || first.category() == QChar::Other_PrivateUse ||
           (first.isHighSurrogate() && text.size() > 1 && text.at(1).isLowSurrogate());
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

    if (!lineEditInserts(event))
        return std::nullopt;
    // The line edit takes these as commands before it looks at the text.
    for (const auto command : editingCommands)
        if (event.matches(command))
            return std::nullopt;
    return singleCharacter(event.text());
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
