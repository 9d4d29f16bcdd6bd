// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/bevelpanel.h"
#include "ui/creditmark.h"

#include <QWidget>

#include <array>
#include <string>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;

// The one window of the program and its three decoder panels.
//
// How data flows: every change of a text box, every tick of a check box runs
// one handler below. The handler reads only its own input control, asks the
// codes library (src/codes) for the answer and writes one result label. No
// handler writes an input control, so one event never sets off another, and
// each panel's encode result, check-box decode and typed-text decode stay
// independent. The switch-number boxes have a key filter that decides on a
// typed character before it reaches the box.
//
// The window's context menu (and Ctrl+P) only announces its commands as
// signals; the shell answers them: the information box, and printing, whose
// code it loads on first use.
//
// The controls are public, under their layout names, so that the start-up
// step and the tests reach them as they would a designer-generated form.
// Arrays are indexed like the switches they stand for: chkSwitchLok[1] is
// switch 1, and index 0 of a check-box array is unused.
namespace velmarit {

class FrmVelmarit : public QWidget
{
    Q_OBJECT

public:
    explicit FrmVelmarit(QWidget *parent = nullptr);
    ~FrmVelmarit() override;

    // Appends the fifteen rows of the Delta address table to lstDelta. Does
    // not empty the list first; the load step calls it once.
    void subSchreibeListen();

    // Locomotive panel.
    void txtDigital_Change();
    void chkSwitchLok_Click(int index);
    void txtSwitchLok_Change();
    void txtSwitchLok_KeyPress(int &keyAscii);

    // Delta panel.
    void chkSwitchLokDelta_Click(int index);
    void txtSwitchLokDelta_Change();
    void txtSwitchLokDelta_KeyPress(int &keyAscii);

    // Accessory panel.
    void chkSwitchMA_Click(int index);
    void txtSwitchMA_Change();
    void txtSwitchMA_KeyPress(int &keyAscii);
    void txtWeichen_Change();

    // The window's own controls.
    BevelPanel *pnlWeichen = nullptr;
    BevelPanel *pnlDigital = nullptr;
    BevelPanel *pnlDelta = nullptr;
    QLabel *lblRelease = nullptr;
    QLabel *lblCopyright = nullptr;
    CreditMark *imgCopyright = nullptr;

    // Delta panel.
    std::array<QGroupBox *, 2> frmDelta{};
    QListWidget *lstDelta = nullptr;
    QLineEdit *txtSwitchLokDelta = nullptr;
    std::array<QCheckBox *, 5> chkSwitchLokDelta{};
    QLabel *lblAdresseLokDelta = nullptr;
    QLabel *lblAnzeigeLokDelta = nullptr;

    // Locomotive panel.
    std::array<QGroupBox *, 2> frmDigital{};
    QLineEdit *txtDigital = nullptr;
    QLabel *lblDelta = nullptr;
    QLineEdit *txtSwitchLok = nullptr;
    std::array<QCheckBox *, 9> chkSwitchLok{};
    QLabel *lblAnzeigeLok = nullptr;
    QLabel *lblAdresseLok = nullptr;

    // Accessory panel.
    std::array<QGroupBox *, 2> frmWeichen{};
    QLineEdit *txtWeichen = nullptr;
    QLabel *lblWeichen = nullptr;
    QLineEdit *txtSwitchMA = nullptr;
    std::array<QCheckBox *, 11> chkSwitchMA{};
    QLabel *lblAdresseMA = nullptr;
    QLabel *lblAnzeigeMA = nullptr;

    // The static captions: headings, switch numbers, "Adresse", "Switch ON".
    std::array<QLabel *, 30> Label{};

    // The context menu's entries. Printing has its shortcut (Ctrl+P) from
    // every control, the text boxes included.
    QAction *actPrint = nullptr;
    QAction *actPreview = nullptr;
    QAction *actSavePdf = nullptr;
    QAction *actInfo = nullptr;

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
    void buildControls();
    void bindControls();
    void connectHandlers();
    void setFocusOrder();
    void describeForScreenReaders();
    void createMenuActions();

    template <class T> T *control(const QString &name) const;

    QMenu *m_contextMenu = nullptr;

    // Writes a decode result: its caption and, in the panels that mark bad
    // results, both colours.
    static void showDecodeResult(QLabel *label, const std::string &text, bool highlight);
};

} // namespace velmarit
