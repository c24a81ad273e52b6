#pragma once
// The prompt of the list selector, "Select / create / edit" followed by a growing row of dots.
#include <QString>

struct PromptStep {
    int entry;    // index of the prompt entry to show next (0..3)
    int interval; // new timer interval in ms, or 0 to keep the current one
};

// From the shown prompt to the next: no dots -> one -> two -> three (then 500 ms) -> none (then 250 ms).
PromptStep nextPromptStep(const QString &shown);
