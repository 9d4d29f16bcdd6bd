// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/frmvelmarit.h"

#include "language/qtexts.h"
#include "ui/controlbuilder.h"
#include "ui/creditmark.h"
#include "ui/deltapanel.h"
#include "ui/digitalpanel.h"
#include "ui/layout.h"
#include "ui/pictures.h"
#include "ui/weichenpanel.h"
#include "version/velmaritversion.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <vector>

namespace velmarit {

FrmVelmarit::FrmVelmarit(const Texts &language, QWidget *parent)
    : QWidget(parent), m_texts(language)
{
    setObjectName(QStringLiteral("frmVelmarit"));
    setWindowTitle(toQString(language.window.title));
    setWindowIcon(QIcon(QPixmap::fromImage(windowIconImage())));
    // The layout has one size: no maximize button, and no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(toQFont(layout::windowFont));
    setFixedSize(layout::clientWidth, layout::clientHeight);

    m_pnlWeichen = new WeichenPanel(language, this);
    m_pnlDigital = new DigitalPanel(language, this);
    m_pnlDelta = new DeltaPanel(language, this);
    m_lblRelease = build(layout::window::lblRelease, this, language);
    m_lblCopyright = build(layout::window::lblCopyright, this, language);
    // The credit without a name, until the load step names the author.
    m_lblCopyright->setText(filled(language.page.credit, {{"author", QString()}}));
    m_imgCopyright = build(layout::window::imgCopyright, this);
    connect(m_imgCopyright, &CreditMark::clicked, this, &FrmVelmarit::copyrightClicked);

    setFocusOrder();
    createMenuActions();
}

FrmVelmarit::~FrmVelmarit() = default;

void FrmVelmarit::setFocusOrder()
{
    std::vector<QWidget *> order = m_pnlDelta->focusOrder();
    for (const std::vector<QWidget *> &panel :
         {m_pnlDigital->focusOrder(), m_pnlWeichen->focusOrder()})
        order.insert(order.end(), panel.begin(), panel.end());
    for (std::size_t i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    order.front()->setFocus();
}

void FrmVelmarit::createMenuActions()
{
    // Each entry opens a dialog, and says so with an ellipsis; the dialogs'
    // titles name the same commands.
    const auto makeAction = [this](const char *name, const QString &command,
                                   void (FrmVelmarit::*signal)()) {
        auto *action = new QAction(command + u'…', this);
        action->setObjectName(QString::fromUtf8(name));
        connect(action, &QAction::triggered, this, signal);
        return action;
    };
    const auto &printing = m_texts.printing;
    const QString about =
        filled(m_texts.info.title, {{"product", QString::fromUtf8(version::kProductName)}});
    m_actPrint = makeAction("actPrint", toQString(printing.print), &FrmVelmarit::printRequested);
    m_actPreview =
        makeAction("actPreview", toQString(printing.preview), &FrmVelmarit::previewRequested);
    m_actSavePdf =
        makeAction("actSavePdf", toQString(printing.savePdf), &FrmVelmarit::savePdfRequested);
    // The information box's title, without the blank before it.
    m_actInfo = makeAction("actInfo", about.trimmed(), &FrmVelmarit::infoRequested);
    m_actPrint->setShortcut(QKeySequence::Print);
    // The window's actions: their shortcuts work from every control.
    addAction(m_actPrint);

    // Shift+F10 opens a context menu where the platform does not do so by
    // itself (X11 does it for the Menu key only): the focused control gets
    // the same keyboard request, so a text box still shows its edit menu.
    auto *menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10));
    connect(menuKey, &QAction::triggered, this, [this] {
        QWidget *target = QApplication::focusWidget();
        if (target == nullptr || target->window() != this)
            target = this;
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(0, 0),
                                  target->mapToGlobal(QPoint(0, 0)));
        QApplication::sendEvent(target, &request);
    });
    addAction(menuKey);
}

QMenu *FrmVelmarit::contextMenu()
{
    if (m_contextMenu == nullptr) {
        m_contextMenu = new QMenu(this);
        m_contextMenu->setObjectName(QStringLiteral("mnuKontext"));
        m_contextMenu->addActions({m_actPrint, m_actPreview, m_actSavePdf});
        m_contextMenu->addSeparator();
        m_contextMenu->addAction(m_actInfo);
    }
    return m_contextMenu;
}

void FrmVelmarit::showRelease(const QString &caption)
{
    m_lblRelease->setText(caption);
}

void FrmVelmarit::showCredit(const QString &caption, const QString &pictureHoverText)
{
    m_lblCopyright->setText(caption);
    m_imgCopyright->setToolTip(pictureHoverText);
}

// Window events.

void FrmVelmarit::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(layout::windowColour));
}

void FrmVelmarit::mouseDoubleClickEvent(QMouseEvent *event)
{
    // Double clicks on controls that do not handle them are passed on to the
    // window; only one on the bare background counts.
    const bool onBackground =
        event->button() == Qt::LeftButton && childAt(event->position().toPoint()) == nullptr;
    event->accept();
    if (onBackground)
        emit backgroundDoubleClicked();
}

void FrmVelmarit::contextMenuEvent(QContextMenuEvent *event)
{
    // Controls with a menu of their own (the text boxes) keep theirs; the
    // request of any other control is passed on to the window.
    event->accept();
    contextMenu()->popup(event->globalPos());
}

void FrmVelmarit::closeEvent(QCloseEvent *event)
{
    emit closing();
    event->accept();
}

} // namespace velmarit
