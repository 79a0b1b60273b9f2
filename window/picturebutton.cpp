// SPDX-License-Identifier: GPL-3.0-or-later
#include "picturebutton.h"

#include "legibility/contrast.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace window {

namespace {

// One ring of a bevel: its top and left edges in one colour, its bottom and
// right edges in the other. Filled in the window's pixels, not the screen's,
// so that the bevel grows with everything else on a scaled screen.
void drawRing(QPainter &painter, const QRect &ring, const QColor &topLeft,
              const QColor &bottomRight)
{
    painter.fillRect(QRect(ring.left(), ring.top(), ring.width() - 1, 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.top(), 1, ring.height() - 1), topLeft);
    painter.fillRect(QRect(ring.left(), ring.bottom(), ring.width(), 1), bottomRight);
    painter.fillRect(QRect(ring.right(), ring.top(), 1, ring.height()), bottomRight);
}

} // namespace

PictureButton::PictureButton(const QString &caption, const QColor &face, QWidget *parent)
    : QPushButton(caption, parent)
    , m_face(face)
{
}

void PictureButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const bool sunken = isDown();
    const QPalette &colours = palette();
    painter.fillRect(rect(), m_face);
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    if (sunken) {
        drawRing(painter, rect(), colours.color(QPalette::Shadow), colours.color(QPalette::Light));
        drawRing(painter, inner, colours.color(QPalette::Dark), colours.color(QPalette::Button));
    } else {
        drawRing(painter, rect(), colours.color(QPalette::Light), colours.color(QPalette::Shadow));
        drawRing(painter, inner, colours.color(QPalette::Button), colours.color(QPalette::Dark));
    }

    QRect captionRect = rect().adjusted(3, 3, -3, -3);
    if (sunken)
        captionRect.translate(1, 1);
    const QColor caption =
        colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    painter.setPen(legibility::legibleOn(caption, m_face));
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(4, 4, -4, -4);
        focus.backgroundColor = m_face;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void PictureButton::keyPressEvent(QKeyEvent *event)
{
    // Enter, on the main keys or the keypad, presses a focused button as Space does.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QPushButton::keyPressEvent(event);
}

} // namespace window
