#include <afx.h>

#include <stdio.h>
#include <stdlib.h>

#ifdef _DEBUG
void AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    fprintf(stderr, "Assertion failed: %s(%d)\n", lpszFileName, nLine);
    fflush(stderr);
    abort();
}
#endif
