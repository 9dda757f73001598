#pragma once

#include "CAutomation.hpp"

#include <vector>

// A key pressed (with modifiers) or, when text is set, text typed: the user's input that
// table-driven tests list row by row.
struct Step {
    UINT key = 0;
    UINT modifiers = 0;
    char const * text = nullptr;
};

inline Step Key(UINT key, UINT modifiers = 0) {
    return {key, modifiers, nullptr};
}

inline Step Type(char const * text) {
    return {0, 0, text};
}

// Takes the steps through the real input road, in order.
inline void Do(std::vector<Step> const & steps) {
    for (Step const & step : steps) {
        if (step.text)
            CAutomation::TypeText(step.text);
        else
            CAutomation::PressKey(step.key, step.modifiers);
    }
}
