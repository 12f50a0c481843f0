#include "skin/tsplitter.h"

#include "skin/skins.h"

#include <QPainter>

TSplitter::TSplitter(QWidget* parent) : QWidget(parent), color_(SysColor::BtnText) {}

void TSplitter::setColor(const QColor& c) {
    color_ = c;
    update();
}

void TSplitter::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), color_);
}
