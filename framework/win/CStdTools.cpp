#include "CStdTools.hpp"

namespace {

// The colours of the roles, in the order of CStdTools::Role.
constexpr DWORD standardColors[CStdTools::roleCount] = {
    0xFFFFFF, // window
    0xF0F0F0, // face
    0x000000, // text
    0x6D6D6D, // grey text
    0x0078D7, // highlight
    0xFFFFFF, // highlight text
    0xFFFFFF, // 3-D highlight
    0xE3E3E3, // 3-D light
    0xA0A0A0, // 3-D shadow
    0x696969, // 3-D dark shadow
    0xFFFFE1, // info background
    0x000000, // info text
};

} // namespace

CStdTools::CStdTools()
    : m_stdFont("Sans", 9), m_ctrlFont("Sans", 9), m_boldFont("Sans", 9, CFont::fontBold),
      m_focusBrush(CColor::FromRgb(standardColors[colorText]),
                   CColor::FromRgb(standardColors[colorFace]), 128) {
    for (DWORD rgb : standardColors) {
        m_colors.push_back(CColor::FromRgb(rgb));
        m_brushes.emplace_back(CColor::FromRgb(rgb));
    }
}

CStdTools * CStdTools::FindInstance() {
    static CStdTools tools;
    return &tools;
}
