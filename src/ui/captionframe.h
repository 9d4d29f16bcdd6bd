// SPDX-FileCopyrightText: 2026 the Velmarit developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>

namespace velmarit {

// A group frame whose caption sits in the top border line, the frame's
// contents being placed from its own top-left corner. Some styles put the
// caption above the border and push the border down into the contents;
// this frame looks the same under every style.
class CaptionFrame : public QGroupBox
{
    Q_OBJECT

public:
    explicit CaptionFrame(const QString &caption, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace velmarit
