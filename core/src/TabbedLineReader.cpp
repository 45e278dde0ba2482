#include "lattice/core/TabbedLineReader.h"

namespace lattice {

void TabbedLineReader::Read(std::string_view text)
{
    static constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (text.substr(0, kBom.size()) == kBom)
        text.remove_prefix(kBom.size());

    std::size_t lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        if (line.empty() || line.front() == '#')
            continue;
        if (!IsValidUtf8(line)) {
            AddProblem(lineNumber, "text is not UTF-8");
            continue;
        }
        TabbedLine record{lineNumber, {}};
        for (;;) {
            std::size_t tab = line.find('\t');
            record.fields.emplace_back(line.substr(0, tab));
            if (tab == std::string_view::npos)
                break;
            line.remove_prefix(tab + 1);
        }
        m_lines.push_back(std::move(record));
    }
}

void TabbedLineReader::AddProblem(std::size_t lineNumber, std::string message)
{
    m_problems.push_back({lineNumber, std::move(message)});
}

bool TabbedLineReader::IsValidUtf8(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = p + text.size();
    while (p < end) {
        unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        std::size_t trail;
        unsigned char min2 = 0x80, max2 = 0xBF; // range of the second byte
        if (c >= 0xC2 && c <= 0xDF) {
            trail = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            trail = 2;
            if (c == 0xE0) min2 = 0xA0; // overlong
            if (c == 0xED) max2 = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            trail = 3;
            if (c == 0xF0) min2 = 0x90; // overlong
            if (c == 0xF4) max2 = 0x8F; // above U+10FFFF
        } else {
            return false;
        }
        if (static_cast<std::size_t>(end - p) <= trail)
            return false;
        if (p[1] < min2 || p[1] > max2)
            return false;
        for (std::size_t i = 2; i <= trail; ++i)
            if ((p[i] & 0xC0) != 0x80)
                return false;
        p += trail + 1;
    }
    return true;
}

} // namespace lattice
