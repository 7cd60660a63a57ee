#include "ui/controls/AutoFont.h"

CAutoFont::CAutoFont() : logFont_()
{
    logFont_.lfHeight = -12;
    logFont_.lfWeight = FW_NORMAL;
    logFont_.lfQuality = PROOF_QUALITY;
    logFont_.lfPitchAndFamily = VARIABLE_PITCH | FF_ROMAN;
    lstrcpynW(logFont_.lfFaceName, L"Times New Roman", LF_FACESIZE);
    CreateFontIndirect(logFont_);
}

void CAutoFont::Rebuild()
{
    DeleteObject();
    CreateFontIndirect(logFont_);
}

int CAutoFont::SetFontHeight(int height)
{
    int previous = logFont_.lfHeight;
    logFont_.lfHeight = height;
    Rebuild();
    return previous;
}

int CAutoFont::SetFontWeight(int weight)
{
    int previous = logFont_.lfWeight;
    logFont_.lfWeight = weight;
    Rebuild();
    return previous;
}

bool CAutoFont::SetFontBold(bool bold)
{
    return SetFontWeight(bold ? FW_BOLD : FW_NORMAL) >= FW_MEDIUM;
}
