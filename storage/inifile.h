#pragma once

#include "storage/exception.h"

#include <cstddef>
#include <string>
#include <vector>

// Profile files: Windows-style INI text files, read and written byte for byte.
//
// A TIniFile holds only its path. Every operation reads the file as it is at
// that moment, so changes made through other handles or by other programs are
// seen by the next operation.

// Raised when a profile file cannot be written, or a write is refused because
// what it would store could not be read back as given.
class EIniFileException : public Exception {
public:
    using Exception::Exception;
};

// Limits of a single operation, the same as the Windows profile functions.
inline constexpr std::size_t kListKeysBufferSize = 16384;  // names, a NUL after each, one closing NUL
inline constexpr std::size_t kReadEntryMaxChars = 2047;

// True when a regular file (not a directory) exists at the path.
bool ProfileFileExists(const std::string& path);

// One parsed state of a profile file. TIniFile makes a fresh one for every
// operation; a caller that needs many reads of one consistent state (the
// catalogue load) may take one and query it directly.
class IniSnapshot {
public:
    // Reads the file; a missing or unreadable file is an empty one.
    static IniSnapshot Read(const std::string& path);
    static IniSnapshot FromBytes(std::string bytes);

    std::vector<std::string> ListKeys(const std::string& section) const;
    std::string ReadEntry(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const;

    struct Line {
        std::size_t begin = 0;       // first byte of the line
        std::size_t contentEnd = 0;  // end of the text, before the line break
        std::size_t end = 0;         // after the line break
    };
    struct Entry {
        std::size_t line = 0;  // index into lines()
        std::string key;
        std::string value;     // trimmed, NUL-cut, quotes still on
        std::size_t valueBegin = 0;  // byte offset just after '='
    };
    struct Section {
        std::string name;
        std::size_t headerLine = 0;
        std::size_t lastLine = 0;  // last non-blank line belonging to the section
        std::vector<Entry> entries;
    };

    const std::string& bytes() const { return bytes_; }
    const std::vector<Line>& lines() const { return lines_; }
    // First section of that name (letter case aside), or nullptr.
    const Section* FindSection(const std::string& name) const;
    // First entry of that key (letter case aside) in the section, or nullptr.
    static const Entry* FindEntry(const Section& section, const std::string& key);

private:
    void Parse();

    std::string bytes_;
    std::vector<Line> lines_;
    std::vector<Section> sections_;
};

class TIniFile {
public:
    explicit TIniFile(std::string path);

    const std::string& FileName() const { return path_; }

    // The section's key names in file order, within kListKeysBufferSize.
    std::vector<std::string> ListKeys(const std::string& section) const;
    // The key's value with enclosing quotes removed, at most kReadEntryMaxChars;
    // defaultValue when the file, section or key is missing.
    std::string ReadEntry(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const;
    // Creates the file, the section and the entry as needed, or replaces the
    // value of an existing key in place. Throws EIniFileException.
    void WriteEntry(const std::string& section, const std::string& key, const std::string& value);

private:
    std::string path_;
};
