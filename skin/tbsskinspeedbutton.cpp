#include "skin/tbsskinspeedbutton.h"

#include "platform/fonts.h"
#include "skin/skins.h"

#include <QEnterEvent>
#include <QPainter>

TbsSkinSpeedButton::TbsSkinSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
    setFont(FontByCellHeight("Verdana", 20));
    setAttribute(Qt::WA_Hover);
}

void TbsSkinSpeedButton::enterEvent(QEnterEvent* e) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(e);
}

void TbsSkinSpeedButton::leaveEvent(QEvent* e) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(e);
}

void TbsSkinSpeedButton::paintEvent(QPaintEvent*) {
    QColor frame = SysColor::BtnShadow, face = SysColor::BtnFace;
    if (isDown()) {
        frame = SysColor::Navy;
        face = QColor(133, 146, 181);
    } else if (hovered_) {
        frame = SysColor::Navy;
        face = QColor(182, 189, 210);
    }
    QPainter p(this);
    p.fillRect(rect(), frame);
    p.fillRect(rect().adjusted(1, 1, -1, -1), face);
    p.setFont(font());
    p.setPen(isEnabled() ? SysColor::WindowText : SysColor::BtnShadow);
    p.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text());
}
