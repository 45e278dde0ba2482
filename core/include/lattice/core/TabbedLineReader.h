// Reads the stand-ins' data files: UTF-8 text, one record a line, fields
// separated by tabs. Blank lines and lines starting with '#' carry nothing.
// A line that is not valid UTF-8 is reported with its number and skipped, so
// one bad line never costs the rest of the file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lattice {

struct TabbedLine {
    std::size_t lineNumber;          // 1-based, counting every line of the file
    std::vector<std::string> fields; // at least one; may be empty strings
};

struct LineProblem {
    std::size_t lineNumber; // 0 when the problem is the file's, not a line's
    std::string message;
};

class TabbedLineReader {
public:
    // Splits `text` (the whole file) into records. A leading byte-order mark
    // is dropped; "\r\n" and "\n" both end a line.
    void Read(std::string_view text);

    const std::vector<TabbedLine>& Lines() const { return m_lines; }
    const std::vector<LineProblem>& Problems() const { return m_problems; }

    // Lets the caller report a record it could not use in the same list.
    void AddProblem(std::size_t lineNumber, std::string message);

    // Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates,
    // nothing above U+10FFFF).
    static bool IsValidUtf8(std::string_view text);

private:
    std::vector<TabbedLine> m_lines;
    std::vector<LineProblem> m_problems;
};

} // namespace lattice
