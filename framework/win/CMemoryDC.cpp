#include "CMemoryDC.hpp"

CMemoryDC::CMemoryDC(CDC & compatible) : CDC(compatible.GetDevice()) {}

BOOL CMemoryDC::Select(CBitmap & bitmap) {
    return SelectBitmap(bitmap);
}
