// One data file of a host stand-in: UTF-8 text in the repository, records of
// tab-separated fields, handed out in the host's code page (950, Big5).
// Every problem is kept as "file:line: message"; a bad line is skipped and the
// rest of the file still counts.
#pragma once

#include <afx.h>

#include <string>
#include <vector>

#include "lattice/core/TabbedLineReader.h"

class HostDataFile {
public:
    // The code page the host runs in; stand-in texts are converted into it.
    static const UINT kHostCodePage = 950;

    // `pszFile` in the "host-data" folder beside the program, where the build
    // puts the default data set.
    static CString DefaultPath(const char* pszFile);

    // Reads the file; false (with one problem recorded) when it cannot be read.
    bool Load(const char* pszPath);

    const std::vector<lattice::TabbedLine>& Lines() const { return m_reader.Lines(); }

    // The field as host text. A character that the host's code page lacks is
    // reported against the line and comes out as '?'.
    CString Text(const lattice::TabbedLine& line, size_t nField);

    // Field as a number in [nMin, nMax]; false (and a problem) otherwise.
    bool Number(const lattice::TabbedLine& line, size_t nField, long nMin, long nMax, long& nValue);

    // True when the line has exactly `nFields` fields; reports it otherwise.
    bool Expect(const lattice::TabbedLine& line, size_t nFields);

    void Report(size_t nLine, const char* pszMessage);

    // "file:line: message" for every problem, in line order.
    std::vector<CString> Problems() const;

    // UTF-8 to `nCodePage`; false when some character has no equivalent there
    // (it becomes '?') or the input is not UTF-8.
    static bool ConvertUtf8(const std::string& utf8, UINT nCodePage, CString& strOut);

private:
    CString m_strPath;
    lattice::TabbedLineReader m_reader;
};
