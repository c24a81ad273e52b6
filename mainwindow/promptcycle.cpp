#include "mainwindow/promptcycle.h"

PromptStep nextPromptStep(const QString &shown)
{
    const int dots = int(shown.count(QLatin1Char('.')));
    switch (dots) {
    case 0: return {1, 0};
    case 1: return {2, 0};
    case 2: return {3, 500};
    default: return {0, 250};
    }
}
