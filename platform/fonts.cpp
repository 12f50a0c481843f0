#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>

void InstallFontFallbacks() {
    // Wine's Tahoma (package fonts-wine) is a metric twin but lives outside
    // the font path.
    if (!QFontDatabase::hasFamily("Tahoma")) {
        for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
            if (QFile::exists(file)) QFontDatabase::addApplicationFont(file);
    }
    const struct {
        const char* family;
        QStringList fallbacks;
    } table[] = {
        {"Tahoma", {"Liberation Sans", "DejaVu Sans"}},
        {"Arial", {"Liberation Sans", "Arimo", "DejaVu Sans"}},
        {"Verdana", {"DejaVu Sans", "Liberation Sans"}},
    };
    for (const auto& row : table)
        if (!QFontDatabase::hasFamily(row.family)) QFont::insertSubstitutions(row.family, row.fallbacks);
}

QFont FontByCellHeight(const QString& family, int cellHeight, bool bold) {
    QFont font(family);
    font.setBold(bold);
    int px = cellHeight;
    for (; px > 1; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).height() <= cellHeight) break;
    }
    font.setPixelSize(px);
    return font;
}
