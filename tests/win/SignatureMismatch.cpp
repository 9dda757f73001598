// Must not compile: a WM_SIZE handler that takes the size as a number instead of a CSize.
#include "CWnd.hpp"
#include "WinMessages.hpp"

class CWrongWnd : public CWnd {
    AFX_DECLARE_MESSAGE_MAP()
public:
    void OnSize(UINT type, UINT size);
};

AFX_BEGIN_MESSAGE_MAP(CWrongWnd, CWnd)
AFX_ON_MESSAGE("V-1L2P", WM_SIZE, &CWrongWnd::OnSize)
AFX_END_MESSAGE_MAP()

int main() {}
