#include "picturebutton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace window {

PictureButton::PictureButton(const QString &caption, const QColor &face, QWidget *parent)
    : QPushButton(caption, parent)
    , m_face(face)
{
}

void PictureButton::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    const bool sunken = isDown();
    const QBrush fill(m_face);
    qDrawWinButton(&painter, rect(), palette(), sunken, &fill);

    QRect captionRect = rect().adjusted(3, 3, -3, -3);
    if (sunken)
        captionRect.translate(1, 1);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
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
