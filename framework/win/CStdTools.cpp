#include "CStdTools.hpp"

CStdTools::CStdTools()
    : m_stdFont("Sans", 9), m_ctrlFont("Sans", 9), m_boldFont("Sans", 9, CFont::fontBold) {}

CStdTools * CStdTools::FindInstance() {
    static CStdTools tools;
    return &tools;
}
