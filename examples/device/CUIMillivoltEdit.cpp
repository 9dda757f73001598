#include "CUIMillivoltEdit.hpp"

#include <climits>

int CUIMillivoltEdit::DispToStore(int value) {
    // Hundredths beyond what millivolts can hold in 32 bits stop at the bounds.
    if (value > INT_MAX / 10)
        return INT_MAX;
    if (value < INT_MIN / 10)
        return INT_MIN;
    return value * 10;
}
