// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The window's controls as the tests and benchmarks reach them: by the names
// the layout gives them, which are also the names a reader of the layout
// knows. The window keeps its controls to itself; a test that types into a
// box or ticks a switch finds it here, the way a user finds it by its place.

#include "ui/creditmark.h"
#include "ui/deltapanel.h"
#include "ui/digitalpanel.h"
#include "ui/frmvelmarit.h"
#include "ui/weichenpanel.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <array>

namespace velmarit::testing {

// A missing name ends the run at once: every check after it would only be
// about a null pointer.
template <class T> T *namedChild(const QObject &parent, const QString &name)
{
    T *found = parent.findChild<T *>(name);
    if (found == nullptr)
        qFatal("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
    return found;
}

// The switch boxes "base(1)" to "base(Count)"; element 0 is unused, so that
// the index is the switch number.
template <std::size_t Count>
std::array<QCheckBox *, Count + 1> switchBoxes(const QObject &parent, const char *base)
{
    std::array<QCheckBox *, Count + 1> boxes{};
    for (std::size_t sw = 1; sw <= Count; ++sw)
        boxes[sw] = namedChild<QCheckBox>(
            parent, QStringLiteral("%1(%2)").arg(QLatin1String(base)).arg(sw));
    return boxes;
}

struct WindowControls
{
    explicit WindowControls(const FrmVelmarit &w)
        : pnlDelta(namedChild<DeltaPanel>(w, "pnlDelta")),
          pnlDigital(namedChild<DigitalPanel>(w, "pnlDigital")),
          pnlWeichen(namedChild<WeichenPanel>(w, "pnlWeichen")),
          lblRelease(namedChild<QLabel>(w, "lblRelease")),
          lblCopyright(namedChild<QLabel>(w, "lblCopyright")),
          imgCopyright(namedChild<CreditMark>(w, "imgCopyright")),
          lstDelta(namedChild<QListWidget>(w, "lstDelta")),
          lstDeltaHeading(namedChild<QLabel>(w, "Label(19)")),
          txtSwitchLokDelta(namedChild<QLineEdit>(w, "txtSwitchLokDelta")),
          chkSwitchLokDelta(switchBoxes<4>(w, "chkSwitchLokDelta")),
          lblAdresseLokDelta(namedChild<QLabel>(w, "lblAdresseLokDelta")),
          lblAnzeigeLokDelta(namedChild<QLabel>(w, "lblAnzeigeLokDelta")),
          txtDigital(namedChild<QLineEdit>(w, "txtDigital")),
          lblDelta(namedChild<QLabel>(w, "lblDelta")),
          txtSwitchLok(namedChild<QLineEdit>(w, "txtSwitchLok")),
          chkSwitchLok(switchBoxes<8>(w, "chkSwitchLok")),
          lblAnzeigeLok(namedChild<QLabel>(w, "lblAnzeigeLok")),
          lblAdresseLok(namedChild<QLabel>(w, "lblAdresseLok")),
          txtWeichen(namedChild<QLineEdit>(w, "txtWeichen")),
          lblWeichen(namedChild<QLabel>(w, "lblWeichen")),
          txtSwitchMA(namedChild<QLineEdit>(w, "txtSwitchMA")),
          chkSwitchMA(switchBoxes<10>(w, "chkSwitchMA")),
          lblAdresseMA(namedChild<QLabel>(w, "lblAdresseMA")),
          lblAnzeigeMA(namedChild<QLabel>(w, "lblAnzeigeMA")),
          actPrint(namedChild<QAction>(w, "actPrint")),
          actPreview(namedChild<QAction>(w, "actPreview")),
          actSavePdf(namedChild<QAction>(w, "actSavePdf")),
          actInfo(namedChild<QAction>(w, "actInfo"))
    {
    }

    DeltaPanel *pnlDelta;
    DigitalPanel *pnlDigital;
    WeichenPanel *pnlWeichen;
    QLabel *lblRelease;
    QLabel *lblCopyright;
    CreditMark *imgCopyright;

    QListWidget *lstDelta;
    QLabel *lstDeltaHeading; // "Adresse  Switch ON" above the list
    QLineEdit *txtSwitchLokDelta;
    std::array<QCheckBox *, 5> chkSwitchLokDelta;
    QLabel *lblAdresseLokDelta;
    QLabel *lblAnzeigeLokDelta;

    QLineEdit *txtDigital;
    QLabel *lblDelta;
    QLineEdit *txtSwitchLok;
    std::array<QCheckBox *, 9> chkSwitchLok;
    QLabel *lblAnzeigeLok;
    QLabel *lblAdresseLok;

    QLineEdit *txtWeichen;
    QLabel *lblWeichen;
    QLineEdit *txtSwitchMA;
    std::array<QCheckBox *, 11> chkSwitchMA;
    QLabel *lblAdresseMA;
    QLabel *lblAnzeigeMA;

    QAction *actPrint;
    QAction *actPreview;
    QAction *actSavePdf;
    QAction *actInfo;
};

} // namespace velmarit::testing
