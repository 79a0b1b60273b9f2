// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPushButton>

namespace window {

// A push button whose whole face is a picture of one colour, the caption on it.
class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    PictureButton(const QString &caption, const QColor &face, QWidget *parent = nullptr);

    QColor faceColor() const { return m_face; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_face;
};

} // namespace window
