#pragma once

#include <QWidget>

// A 1-pixel splitter line. With nothing to resize beside it, dragging it
// moves nothing; it only shows its cursor and its colour.
class TSplitter : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)

public:
    explicit TSplitter(QWidget* parent = nullptr);
    QColor color() const { return color_; }
    void setColor(const QColor& c);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor color_;
};
