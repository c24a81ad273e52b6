#pragma once
// The caption of the self-test panel for a headword.
#include <QString>

struct TestCaption {
    QString text;  // shown literally: "&" is no access-key marker on the panel
    int pointSize; // 34 for a short caption, 24 otherwise
};

// Longer than 38 characters: the first 38 followed by "...". Shorter than 20 characters (after
// shortening): 34 pt, else 24 pt.
TestCaption testCaption(const QString &headword);
