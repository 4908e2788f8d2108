#pragma once

#include "framework/Wnd.h"

#include <string>

// A rich edit control (version 2 or later) created at run time.
class CRichEditCtrl : public CWnd
{
public:
    bool Create(DWORD style, const RECT& rect, CWnd& parent, int id);
    // Replaces the whole text with an RTF document given as its bytes.
    bool SetRtf(const std::string& document);
};
