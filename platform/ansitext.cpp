#include "platform/ansitext.h"

#include <QStringDecoder>

QString AnsiToText(const std::string& bytes) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
}

std::string TextToAnsi(const QString& text) {
    // Text that Latin-1 can hold and whose UTF-8 form would not decode back to
    // it came from a Latin-1 file.
    const QByteArray utf8 = text.toUtf8();
    bool latin1 = true;
    for (QChar c : text)
        if (c.unicode() > 0xFF) { latin1 = false; break; }
    if (latin1) {
        const QByteArray l1 = text.toLatin1();
        const std::string bytes(l1.constData(), size_t(l1.size()));
        if (AnsiToText(bytes) == text) return bytes;
    }
    return std::string(utf8.constData(), size_t(utf8.size()));
}
