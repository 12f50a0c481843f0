#pragma once

#include <QColor>
#include <QString>

// The two stored skins of the main window, reduced to what our painted
// controls draw with. "bsSkinData1" is the dark frame skin, "bsSkinData2"
// the light panel skin.
struct Skin {
    QColor background;  // panel and page surface
    QColor frame;       // 1-pixel frame line (bvFrame)
};

inline Skin SkinByName(const QString& skinData) {
    if (skinData == QLatin1String("bsSkinData2")) return {QColor(244, 244, 244), QColor(160, 160, 160)};
    return {QColor(0, 0, 0), QColor(72, 92, 116)};
}

// Windows' standard colour scheme, for the controls drawn without a skin.
namespace SysColor {
inline const QColor BtnFace(240, 240, 240);
inline const QColor BtnShadow(160, 160, 160);
inline const QColor BtnText(0, 0, 0);
inline const QColor WindowText(0, 0, 0);
inline const QColor Window(255, 255, 255);
inline const QColor Navy(0, 0, 128);
}  // namespace SysColor
