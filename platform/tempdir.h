#pragma once

#include <cstddef>

// The user's temporary-files directory with its trailing "/": TMPDIR when it
// is set and not empty, else /tmp. Writes it NUL-terminated into buffer and
// returns its length; when it does not fit in bufferLength characters (NUL
// included) the buffer is left untouched and 0 is returned, as Windows does.
std::size_t GetTempPath(std::size_t bufferLength, char* buffer);
