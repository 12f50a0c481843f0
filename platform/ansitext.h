#pragma once

#include <QString>
#include <string>

// The data files hold single-byte text. Files made on Windows are in the
// ANSI code page (Latin-1 here), files made on this desktop are UTF-8: text
// that is valid UTF-8 is shown as such, anything else as Latin-1.
QString AnsiToText(const std::string& bytes);

