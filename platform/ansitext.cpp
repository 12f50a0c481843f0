#include "platform/ansitext.h"

#include <QStringDecoder>

QString AnsiToText(const std::string& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

