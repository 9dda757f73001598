#include "CFormat.hpp"

CFormat::CFormat(char const * format, char const * arg1) : CString(format) {
    Replace("%1", arg1);
}
