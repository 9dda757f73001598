#include "CFilename.hpp"

CString CFilename::GetDirectory() const {
    UINT slash = ReverseFind('/');
    if (slash == npos)
        return CString("./");
    return Left(slash + 1);
}

CString CFilename::GetName() const {
    UINT slash = ReverseFind('/');
    return slash == npos ? CString(*this) : Mid(slash + 1);
}
