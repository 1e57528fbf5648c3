// CompareVersions: component by component, numerically.
#include "update/Version.h"

#include "engine/Tokenizer.h"

#include <cstdlib>

int CompareVersions(CString a, CString b)
{
    int nPosA = 0;
    int nPosB = 0;
    CString strA;
    CString strB;
    for (;;)
    {
        if (!GetNextToken(a, L'.', nPosA, strA) || !GetNextToken(b, L'.', nPosB, strB))
            return 0;
        strA.Trim();
        strB.Trim();
        if (strA.IsEmpty() || strB.IsEmpty())
            return 0;
        int nA = _wtoi(strA);
        int nB = _wtoi(strB);
        if (nA > nB)
            return 1;
        if (nA < nB)
            return -1;
    }
}
