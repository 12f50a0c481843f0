#include "skin/tedit.h"

#include "platform/ansitext.h"

#include <QMouseEvent>

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

void TEdit::setAnsiText(const std::string& bytes) {
    ansi_ = bytes;
    setText(AnsiToText(bytes));
}

std::string TEdit::ansiText() const {
    if (text() == AnsiToText(ansi_)) return ansi_;
    const QByteArray utf8 = text().toUtf8();  // text set some other way
    return std::string(utf8.constData(), size_t(utf8.size()));
}

void TEdit::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}
