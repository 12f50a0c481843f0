#pragma once

#include <QAbstractButton>

// A windowless-style push button drawn without a skin: a 1-pixel frame round
// a flat face that lights up under the mouse. It never takes the focus, so
// only a mouse click triggers it.
class TbsSkinSpeedButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TbsSkinSpeedButton(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {160, 25}; }

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    bool hovered_ = false;
};
