// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "texts/texts.h"

#include <QWidget>

class QAction;
class QLabel;
class QMenu;

namespace velmarit {

class CreditMark;
class DeltaPanel;
class DigitalPanel;
class WeichenPanel;

// The one window of the program and its three decoder panels.
//
// How data flows: every change of a text box, every tick of a check box runs
// one handler of the panel that holds the control. The handler reads only
// its own input control, asks the codes library (src/codes) for the answer
// and writes one result label. No handler writes an input control, so one
// event never sets off another, and each panel's encode result, check-box
// decode and typed-text decode stay independent. The switch-number boxes
// have a key filter that decides on a typed character before it reaches the
// box.
//
// Each panel (DeltaPanel, DigitalPanel, WeichenPanel) builds its controls
// from its layout rows, in their order, and keeps them to itself; its
// handlers carry the names of the controls they answer. The window builds
// the panels, its release and credit captions and the credit picture, and
// joins the panels' controls into one focus order. What each control's name
// stands for: the key at the top of layout.h.
//
// The window's context menu (and Ctrl+P) only announces its commands as
// signals; the shell answers them with the information box and printing.
//
// Every text the window shows is one of its language's (texts/), which the
// program chooses at its start; the shell speaks the window's language.
class FrmVelmarit : public QWidget
{
    Q_OBJECT

public:
    // Speaks `language`, which outlives the window.
    explicit FrmVelmarit(const Texts &language = texts::german, QWidget *parent = nullptr);
    ~FrmVelmarit() override;

    const Texts &texts() const { return m_texts; }

    // The texts the load step writes: the release caption, and the credit
    // caption with the hover text of the credit picture.
    void showRelease(const QString &caption);
    void showCredit(const QString &caption, const QString &pictureHoverText);

    // The context menu of the window background, the frames and the
    // controls without a menu of their own; made when first needed.
    QMenu *contextMenu();

signals:
    // A double click on the window itself, where no control is.
    void backgroundDoubleClicked();
    // A left click on the credit picture.
    void copyrightClicked();
    // The window is about to close; closing is never refused.
    void closing();
    // The context menu's commands.
    void printRequested();
    void previewRequested();
    void savePdfRequested();
    void infoRequested();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void setFocusOrder();
    void createMenuActions();

    const Texts &m_texts;
    WeichenPanel *m_pnlWeichen = nullptr;
    DigitalPanel *m_pnlDigital = nullptr;
    DeltaPanel *m_pnlDelta = nullptr;
    QLabel *m_lblRelease = nullptr;
    QLabel *m_lblCopyright = nullptr;
    CreditMark *m_imgCopyright = nullptr;

    // The context menu's entries, named actPrint, actPreview, actSavePdf and
    // actInfo. Printing has its shortcut (Ctrl+P) from every control, the
    // text boxes included.
    QAction *m_actPrint = nullptr;
    QAction *m_actPreview = nullptr;
    QAction *m_actSavePdf = nullptr;
    QAction *m_actInfo = nullptr;
    QMenu *m_contextMenu = nullptr;
};

} // namespace velmarit
