#include "skin/tbsskinpanel.h"

#include "skin/skins.h"

#include <QPainter>

TbsSkinPanel::TbsSkinPanel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TbsSkinPanel::setSkinData(const QString& name) {
    skinData_ = name;
    update();
}

void TbsSkinPanel::setFrameBorder(bool on) {
    frameBorder_ = on;
    update();
}

QRect TbsSkinPanel::clientRect() const {
    return frameBorder_ ? rect().adjusted(1, 1, -1, -1) : rect();
}

void TbsSkinPanel::paintEvent(QPaintEvent*) {
    const Skin skin = SkinByName(skinData_);
    QPainter p(this);
    p.fillRect(rect(), skin.background);
    if (frameBorder_) {
        p.setPen(skin.frame);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
