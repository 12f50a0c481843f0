#include "platform/tempdir.h"

#include <cstdlib>
#include <cstring>
#include <string>

std::size_t GetTempPath(std::size_t maxChars, char* buffer) {
    const char* env = std::getenv("TMPDIR");
    std::string dir = (env && *env) ? env : "/tmp";
    if (dir.back() != '/') dir += '/';
    if (dir.size() > maxChars || !buffer) return 0;
    std::memcpy(buffer, dir.c_str(), dir.size() + 1);
    return dir.size();
}
