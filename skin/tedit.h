#pragma once

#include <QLineEdit>
#include <string>

// A one-line text box that reports mouse clicks and keeps the bytes of the
// text it shows, so the text can be looked up in a data file as stored.
class TEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TEdit(QWidget* parent = nullptr);

    void setAnsiText(const std::string& bytes);
    std::string ansiText() const;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    // The same text can come from different bytes (UTF-8 or Latin-1 files).
    std::string ansi_;
};
