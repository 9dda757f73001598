#pragma once

#include "CUIEditInteger.hpp"

// An integer editor for a property stored in millivolts and shown in hundredths of a volt, so
// that two places show volts ("12.00 V" for 12000). The range of its format is in hundredths
// of a volt. Typed or stepped values keep whole hundredths: the last digit of millivolts is
// dropped when loading.
class __attribute__((visibility("default"))) CUIMillivoltEdit : public CUIEditInteger {
protected:
    int StoreToDisp(int value) override { return value / 10; }
    int DispToStore(int value) override;
};
