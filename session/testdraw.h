#pragma once
// The draw of the self test: each cycle shows every item of the list once, in random order.
#include <QList>
#include <functional>

// Draws the next item number (1..itemCount) not yet in usedPicks, by drawing 1 + randomBelow(n)
// until an unused number comes up, and appends it. When every number has then been drawn, the
// record is emptied so that the next draw starts a new cycle. Returns 0 (and draws nothing) for
// an empty list. A record that already covers every number (the list shrank under it) is emptied
// before the draw.
int drawTestItem(QList<int> &usedPicks, int itemCount, const std::function<int(int)> &randomBelow);
