#include "skin/tedit.h"

#include "platform/ansitext.h"

#include <QMouseEvent>

TEdit::TEdit(QWidget* parent) : QLineEdit(parent) {}

void TEdit::setAnsiText(const std::string& bytes) {
    setText(AnsiToText(bytes));
}

std::string TEdit::ansiText() const {
    return TextToAnsi(text());
}

void TEdit::mouseReleaseEvent(QMouseEvent* e) {
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) emit clicked();
}
