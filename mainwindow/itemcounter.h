#pragma once
// Texts of the item counters.
#include <QString>

// "3 of 250"; row is the selected row of the item box (-1 when none).
QString itemCounterText(int row, int itemCount);
// The counter panel's font: 12 pt up to 999 items, 11 pt from 1000 on.
int itemCounterPointSize(int itemCount);
// "2/7" in a list search; "1/7" when no row is selected.
QString searchCounterText(int row, int hitCount);
