#include "CommonObjectStub.h"

#include <stdlib.h>
#include <string.h>

#include "CommonObjectState.h"
#include "HostDataFile.h"

void CommonObjectStub::Reset()
{
    CommonObjectState& state = CommonObjectState::Instance();
    state.SetDefaultFont();
    state.font.DeleteObject();
    state.dbScale = 1.0;
    state.nTransDevScale = 0;
}

void CommonObjectStub::SetComFont(const LOGFONT& lf)
{
    CommonObjectState& state = CommonObjectState::Instance();
    state.logFont = lf;
    state.font.DeleteObject();
}

void CommonObjectStub::SetDeviceScale(double dbScale) { CommonObjectState::Instance().dbScale = dbScale; }

std::vector<CString> CommonObjectStub::LoadDataFile(const char* pszPath)
{
    HostDataFile file;
    if (file.Load(pszPath)) {
        for (const lattice::TabbedLine& line : file.Lines()) {
            const std::string& kind = line.fields[0];
            long nHeight = 0, nWeight = 0, nPercent = 0;
            if (kind == "font") {
                // font <face> <height in pixels> <weight>
                if (file.Expect(line, 4) && file.Number(line, 2, 1, 200, nHeight) &&
                    file.Number(line, 3, 0, 1000, nWeight)) {
                    CString strFace = file.Text(line, 1);
                    if (strFace.IsEmpty() || strFace.GetLength() >= LF_FACESIZE) {
                        file.Report(line.lineNumber, "font face is empty or too long");
                        continue;
                    }
                    LOGFONT lf = CommonObjectState::Instance().logFont;
                    lf.lfHeight = -nHeight;
                    lf.lfWeight = nWeight;
                    strcpy(lf.lfFaceName, strFace);
                    SetComFont(lf);
                }
            } else if (kind == "scale") {
                // scale <percent>
                if (file.Expect(line, 2) && file.Number(line, 1, 50, 400, nPercent))
                    SetDeviceScale(nPercent / 100.0);
            } else {
                file.Report(line.lineNumber, "unknown record kind");
            }
        }
    }
    return file.Problems();
}

std::vector<CString> CommonObjectStub::LoadDefaultData()
{
    std::vector<CString> problems = LoadDataFile(HostDataFile::DefaultPath("common-objects.txt"));
    char szPercent[16] = {};
    DWORD nLength = ::GetEnvironmentVariableA("HOST_DEVICE_SCALE_PERCENT", szPercent, sizeof szPercent);
    if (nLength > 0) {
        char* pszEnd = NULL;
        long nPercent = nLength < sizeof szPercent ? strtol(szPercent, &pszEnd, 10) : 0;
        if (pszEnd && *pszEnd == '\0' && nPercent >= 50 && nPercent <= 400)
            SetDeviceScale(nPercent / 100.0);
        else
            problems.push_back("HOST_DEVICE_SCALE_PERCENT: not a percentage from 50 to 400");
    }
    return problems;
}

size_t CommonObjectStub::TransDevScaleCount() { return CommonObjectState::Instance().nTransDevScale; }
