#include "platform/shell.h"

#include "platform/ansitext.h"

#include <QDesktopServices>
#include <QUrl>

bool IsWebAddress(const std::string& address) {
    const QUrl url(AnsiToText(address), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == "http" || scheme == "https") && !url.host().isEmpty();
}

void ShellOpen(const std::string& address) {
    // The promotion file lives in a directory other programs can write to:
    // whatever it holds must never be able to start a program.
    if (!IsWebAddress(address)) return;
    QDesktopServices::openUrl(QUrl(AnsiToText(address), QUrl::StrictMode));
}
