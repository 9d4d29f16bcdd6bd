// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace velmarit::test {

// Answers the modal windows that open, one after the other, each with its
// step: a step runs once a modal window of its type is showing. It answers
// from a timer and never waits itself, so the dialogs' own event loops end
// in their order.
class ModalScript : public QObject
{
public:
    ModalScript()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalScript::poll);
        m_timer.start(20);
    }

    template <class T> ModalScript &then(std::function<void(T *)> step)
    {
        m_steps.append([step](QWidget *widget) {
            auto *typed = qobject_cast<T *>(widget);
            if (typed == nullptr)
                return false;
            step(typed);
            return true;
        });
        return *this;
    }

    bool done() const { return m_next == m_steps.size(); }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (done() || modal == nullptr || !modal->isVisible() || modal == m_answered)
            return;
        if (m_steps.at(m_next)(modal)) {
            m_answered = modal;
            ++m_next;
        }
    }

    QTimer m_timer;
    QList<std::function<bool(QWidget *)>> m_steps;
    qsizetype m_next = 0;
    QPointer<QWidget> m_answered;
};

} // namespace velmarit::test
