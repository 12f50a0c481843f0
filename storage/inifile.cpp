#include "storage/inifile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Names are matched as Windows matches them in the ANSI range we rely on:
// ASCII letters without regard to case, every other byte exactly.
bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

std::string CutAtNul(std::string s) {
    const auto nul = s.find('\0');
    if (nul != std::string::npos) s.resize(nul);
    return s;
}

std::string Trim(const std::string& s) {
    std::size_t b = 0, e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string StripQuotes(std::string v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

[[noreturn]] void ThrowWriteError(const std::string& path) {
    throw EIniFileException("Unable to write to " + path);
}

[[noreturn]] void ThrowRefused(const std::string& path, const std::string& why) {
    throw EIniFileException("Unable to write to " + path + ": " + why);
}

bool HasLineBreakOrNul(const std::string& s) {
    return s.find_first_of(std::string("\r\n\0", 3)) != std::string::npos;
}

// Rejects what a later read would not give back as written.
void CheckWritable(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
    if (HasLineBreakOrNul(section)) ThrowRefused(path, "the section name holds a line break or NUL");
    if (HasLineBreakOrNul(key)) ThrowRefused(path, "the key holds a line break or NUL");
    if (HasLineBreakOrNul(value)) ThrowRefused(path, "the value holds a line break or NUL");
    if (section.find(']') != std::string::npos) ThrowRefused(path, "the section name holds \"]\"");
    if (Trim(section) != section) ThrowRefused(path, "the section name starts or ends with a blank");
    if (key.empty()) ThrowRefused(path, "the key is empty");
    if (key.find('=') != std::string::npos) ThrowRefused(path, "the key holds \"=\"");
    if (key.front() == '[' || key.front() == ';') ThrowRefused(path, "the key starts with \"[\" or \";\"");
    if (Trim(key) != key) ThrowRefused(path, "the key starts or ends with a blank");
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Reads a regular file whole. False when it cannot be read.
bool ReadRegularFile(const std::string& path, std::string& out) {
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return false;
        }
        out.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Writes a complete new copy beside the file and renames it over the old one,
// so a failure at any point leaves the old file as it was. Renaming replaces
// a directory entry and never follows a link.
void ReplaceFile(const std::string& path, const std::string& bytes, const struct stat* old) {
    std::string temp = DirectoryOf(path) + "/.";
    const auto slash = path.rfind('/');
    temp += (slash == std::string::npos ? path : path.substr(slash + 1)) + ".XXXXXX";
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) ThrowWriteError(path);
    const mode_t mode = old ? (old->st_mode & 07777) : (0666 & ~CurrentUmask());
    bool ok = WriteAll(fd, bytes) && ::fchmod(fd, mode) == 0;
    if (ok && old && (old->st_uid != ::geteuid() || old->st_gid != ::getegid()))
        (void)!::fchown(fd, old->st_uid, old->st_gid);  // best effort: only root may give files away
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok || ::rename(name.data(), path.c_str()) != 0) {
        ::unlink(name.data());
        ThrowWriteError(path);
    }
}

}  // namespace

bool ProfileFileExists(const std::string& path) {
    struct stat st {};
    return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

IniSnapshot IniSnapshot::Read(const std::string& path) {
    std::string bytes;
    if (!ReadRegularFile(path, bytes)) bytes.clear();
    return FromBytes(std::move(bytes));
}

IniSnapshot IniSnapshot::FromBytes(std::string bytes) {
    IniSnapshot s;
    s.bytes_ = std::move(bytes);
    s.Parse();
    return s;
}

void IniSnapshot::Parse() {
    const std::string& b = bytes_;
    const std::size_t n = b.size();
    for (std::size_t pos = 0; pos < n;) {
        Line line;
        line.begin = pos;
        std::size_t e = pos;
        while (e < n && b[e] != '\r' && b[e] != '\n') ++e;
        line.contentEnd = e;
        if (e < n) e += (b[e] == '\r' && e + 1 < n && b[e + 1] == '\n') ? 2 : 1;
        line.end = e;
        lines_.push_back(line);
        pos = e;
    }

    Section* current = nullptr;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::size_t p = lines_[i].begin;
        const std::size_t end = lines_[i].contentEnd;
        // A UTF-8 byte-order mark, as some editors save it, is not part of the text.
        if (i == 0 && b.compare(0, 3, "\xEF\xBB\xBF") == 0) p = std::min<std::size_t>(3, end);
        while (p < end && IsBlank(b[p])) ++p;
        if (p == end) continue;  // blank line

        if (b[p] == '[') {
            std::size_t close = b.find(']', p + 1);
            if (close == std::string::npos || close > end) close = end;
            Section s;
            s.name = Trim(CutAtNul(b.substr(p + 1, close - p - 1)));
            s.headerLine = s.lastLine = i;
            sections_.push_back(std::move(s));
            current = &sections_.back();
            continue;
        }
        if (!current) continue;  // before the first header: belongs to no section
        current->lastLine = i;
        if (b[p] == ';') continue;  // comment
        const std::size_t eq = b.find('=', p);
        if (eq == std::string::npos || eq >= end) continue;  // no "=": not an entry
        Entry entry;
        entry.line = i;
        entry.key = Trim(CutAtNul(b.substr(p, eq - p)));
        entry.value = Trim(CutAtNul(b.substr(eq + 1, end - eq - 1)));
        entry.valueBegin = eq + 1;
        current->entries.push_back(std::move(entry));
    }
}

const IniSnapshot::Section* IniSnapshot::FindSection(const std::string& name) const {
    for (const auto& s : sections_)
        if (SameName(s.name, name)) return &s;
    return nullptr;
}

const IniSnapshot::Entry* IniSnapshot::FindEntry(const Section& section, const std::string& key) {
    for (const auto& e : section.entries)
        if (SameName(e.key, key)) return &e;
    return nullptr;
}

std::vector<std::string> IniSnapshot::ListKeys(const std::string& section) const {
    std::vector<std::string> keys;
    const Section* s = FindSection(section);
    if (!s) return keys;
    // Windows fills a buffer with name, NUL, name, NUL, ..., NUL. When the
    // names do not fit it copies what fits into all but the last two bytes,
    // so the last name may come out cut short.
    std::size_t used = 0;
    for (const auto& e : s->entries) {
        if (e.key.empty()) continue;
        if (used + e.key.size() + 2 <= kListKeysBufferSize) {
            keys.push_back(e.key);
            used += e.key.size() + 1;
            continue;
        }
        const std::size_t room = kListKeysBufferSize - 2 - used;
        if (room > 0) keys.push_back(e.key.substr(0, room));
        break;
    }
    return keys;
}

std::string IniSnapshot::ReadEntry(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const {
    const Section* s = FindSection(section);
    const Entry* e = s ? FindEntry(*s, key) : nullptr;
    if (!e) return defaultValue;
    std::string v = StripQuotes(e->value);
    if (v.size() > kReadEntryMaxChars) v.resize(kReadEntryMaxChars);
    return v;
}

TIniFile::TIniFile(std::string path) : path_(std::move(path)) {}

std::vector<std::string> TIniFile::ListKeys(const std::string& section) const {
    return IniSnapshot::Read(path_).ListKeys(section);
}

std::string TIniFile::ReadEntry(const std::string& section, const std::string& key,
                                const std::string& defaultValue) const {
    return IniSnapshot::Read(path_).ReadEntry(section, key, defaultValue);
}

void TIniFile::WriteEntry(const std::string& section, const std::string& key, const std::string& value) {
    CheckWritable(path_, section, key, value);
    if (path_.empty()) ThrowWriteError(path_);

    struct stat st {};
    const bool exists = ::lstat(path_.c_str(), &st) == 0;
    if (!exists && errno != ENOENT) ThrowWriteError(path_);
    // A link could lead the write to a file elsewhere; only a plain file is changed.
    if (exists && !S_ISREG(st.st_mode)) ThrowWriteError(path_);

    std::string old;
    if (exists && !ReadRegularFile(path_, old)) ThrowWriteError(path_);
    const IniSnapshot doc = IniSnapshot::FromBytes(std::move(old));
    const std::string& b = doc.bytes();
    const std::string entryLine = key + "=" + value + "\r\n";

    std::string out;
    const IniSnapshot::Section* s = doc.FindSection(section);
    if (!s) {
        out = b;
        if (!out.empty() && out.back() != '\n' && out.back() != '\r') out += "\r\n";
        out += "[" + section + "]\r\n" + entryLine;
    } else if (const IniSnapshot::Entry* e = IniSnapshot::FindEntry(*s, key)) {
        const IniSnapshot::Line& line = doc.lines()[e->line];
        out = b.substr(0, e->valueBegin) + value + b.substr(line.contentEnd);
    } else {
        const IniSnapshot::Line& after = doc.lines()[s->lastLine];
        out = b.substr(0, after.end);
        if (after.end == after.contentEnd) out += "\r\n";  // last line of the file had no line break
        out += entryLine;
        out += b.substr(after.end);
    }
    ReplaceFile(path_, out, exists ? &st : nullptr);
}
