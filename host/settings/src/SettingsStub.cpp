#include "SettingsStub.h"

#include "HostDataFile.h"
#include "SettingsState.h"

void SettingsStub::Reset()
{
    SettingsState::Instance().colors.clear();
}

void SettingsStub::SetColor(const CString& strKey, COLORREF cr) { SettingsState::Instance().colors[strKey] = cr; }

std::vector<CString> SettingsStub::LoadDataFile(const char* pszPath)
{
    HostDataFile file;
    if (file.Load(pszPath)) {
        for (const lattice::TabbedLine& line : file.Lines()) {
            // color <key> <red> <green> <blue>
            long r = 0, g = 0, b = 0;
            if (line.fields[0] != "color")
                file.Report(line.lineNumber, "unknown record kind");
            else if (file.Expect(line, 5) && file.Number(line, 2, 0, 255, r) && file.Number(line, 3, 0, 255, g) &&
                     file.Number(line, 4, 0, 255, b))
                SetColor(file.Text(line, 1), RGB(r, g, b));
        }
    }
    return file.Problems();
}

std::vector<CString> SettingsStub::LoadDefaultData()
{
    return LoadDataFile(HostDataFile::DefaultPath("settings.txt"));
}
