#pragma once

#include <QWebEngineView>

// The embedded web browser of the content area. Pages load their images and
// media by themselves, script errors stay silent, pages cannot open windows,
// and Ctrl plus one of the letters in disableCtrlShortcuts is swallowed.
class TEmbeddedWB : public QWebEngineView {
    Q_OBJECT
    Q_PROPERTY(QString disableCtrlShortcuts READ disableCtrlShortcuts WRITE setDisableCtrlShortcuts)

public:
    explicit TEmbeddedWB(QWidget* parent = nullptr);

    QString disableCtrlShortcuts() const { return disableCtrlShortcuts_; }
    void setDisableCtrlShortcuts(const QString& keys) { disableCtrlShortcuts_ = keys.toUpper(); }

    // Starts loading the address and returns at once.
    void Navigate(const QString& address);
    // The address of the last Navigate call, whatever became of it.
    QString navigatedTo() const { return navigatedTo_; }

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool isDisabledShortcut(const QKeyEvent* key) const;

    QString disableCtrlShortcuts_;
    QString navigatedTo_;
};
