#pragma once

#include <cstddef>

// The user's temporary-files directory with its trailing "/": TMPDIR when it
// is set and not empty, else /tmp. Writes it NUL-terminated into buffer and
// returns its length. A directory longer than maxChars characters leaves the
// buffer untouched and gives 0. The buffer must hold maxChars + 1 bytes.
std::size_t GetTempPath(std::size_t maxChars, char* buffer);
