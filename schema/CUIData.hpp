#pragma once

#include "CString.hpp"

class CRuntimeClass;

// The schema record of one property: which element class shows it, how it is labelled and
// formatted, and its tip. A plain record, copied by value.
struct CUIData {
    CString m_tag;                           // property name; keys the schema
    CString m_label;                         // display name
    CString m_labelAlt;                      // alternate display name; never empty once stored
    CRuntimeClass const * m_class = nullptr; // element class; never null once stored
    CString m_format;                        // format string, read by the element class
    CString m_tip;                           // tooltip text; empty for none
};
