#include "skin/tbsskinpagecontrol.h"

#include "platform/fonts.h"
#include "skin/skins.h"

#include <QLinearGradient>
#include <QPainter>
#include <QStackedWidget>

TbsSkinPageControl::TbsSkinPageControl(QWidget* parent)
    : QWidget(parent), tabs_(new TbsSkinTabBar(this)), pages_(new QStackedWidget(this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(tabs_, &QTabBar::currentChanged, pages_, &QStackedWidget::setCurrentIndex);
}

void TbsSkinPageControl::addPage(QWidget* page) {
    pages_->addWidget(page);
    tabs_->addTab(page->windowTitle());
}

int TbsSkinPageControl::count() const { return pages_->count(); }
int TbsSkinPageControl::currentIndex() const { return pages_->currentIndex(); }
QWidget* TbsSkinPageControl::currentPage() const { return pages_->currentWidget(); }

void TbsSkinPageControl::setCurrentIndex(int index) {
    tabs_->setCurrentIndex(index);
    pages_->setCurrentIndex(index);
}

QRect TbsSkinPageControl::pageRect() const {
    return QRect(1, kTabHeight, width() - 2, height() - kTabHeight - 1);
}

void TbsSkinPageControl::resizeEvent(QResizeEvent*) {
    tabs_->setGeometry(0, 0, width(), kTabHeight);
    pages_->setGeometry(pageRect());
}

void TbsSkinPageControl::paintEvent(QPaintEvent*) {
    const Skin skin = SkinByName("bsSkinData1");
    QPainter p(this);
    p.fillRect(rect(), skin.background);
    p.setPen(skin.frame);
    p.drawRect(QRect(0, kTabHeight - 1, width() - 1, height() - kTabHeight));
}

TbsSkinTabBar::TbsSkinTabBar(QWidget* parent) : QTabBar(parent) {
    setFont(FontByCellHeight("Arial", 14));
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
}

QSize TbsSkinTabBar::tabSizeHint(int index) const {
    return {fontMetrics().horizontalAdvance(tabText(index)) + 12, TbsSkinPageControl::kTabHeight};
}

void TbsSkinTabBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    const QPoint mouse = mapFromGlobal(QCursor::pos());
    for (int i = 0; i < count(); ++i) {
        const QRect r = tabRect(i).adjusted(0, 2, -1, 0);
        const bool active = i == currentIndex();
        const bool hot = underMouse() && r.contains(mouse);
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        if (active) {
            g.setColorAt(0, QColor(64, 132, 214));
            g.setColorAt(0.45, QColor(22, 70, 140));
            g.setColorAt(1, QColor(8, 26, 58));
        } else {
            g.setColorAt(0, QColor(70, 76, 88));
            g.setColorAt(0.45, QColor(34, 38, 46));
            g.setColorAt(1, QColor(12, 14, 18));
        }
        p.fillRect(r, g);
        p.setPen(active ? QColor(96, 200, 255) : QColor(54, 60, 70));
        p.drawLine(r.topLeft(), r.topRight());
        p.setPen(active || hot ? QColor(255, 255, 255) : QColor(103, 103, 103));
        p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine, tabText(i));
    }
}
