#pragma once

#include <QWidget>

// A flat panel painted from a skin, with an optional 1-pixel frame. Its
// caption is never drawn (CaptionMode off in the layout).
class TbsSkinPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString skinData READ skinData WRITE setSkinData)
    Q_PROPERTY(bool frameBorder READ frameBorder WRITE setFrameBorder)

public:
    explicit TbsSkinPanel(QWidget* parent = nullptr);

    QString skinData() const { return skinData_; }
    void setSkinData(const QString& name);
    bool frameBorder() const { return frameBorder_; }
    void setFrameBorder(bool on);
    // The area inside the frame, in the panel's coordinates.
    QRect clientRect() const;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString skinData_ = QStringLiteral("bsSkinData1");
    bool frameBorder_ = false;
};
