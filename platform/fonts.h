#pragma once

#include <QFont>
#include <QString>

// The layout names Windows fonts (Tahoma, Verdana, Arial). Where they are not
// installed, metric-compatible ones stand in so captions fit the layout.
void InstallFontFallbacks();

// A font whose line height (ascent + descent) is at most cellHeight pixels,
// as Windows sizes a font given by a positive height.
QFont FontByCellHeight(const QString& family, int cellHeight, bool bold = false);
