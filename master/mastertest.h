#pragma once
// The self test of the Master List: the draw of random entries without repeats within a cycle, and
// the caption of the panel that shows the drawn item.
#include <QList>
#include <QString>
#include <functional>

namespace master {

// Draws a position 1..count not yet in usedPicks (1 + randomBelow(count), again while it is used)
// and appends it; when every position has then been drawn the record is emptied, so the next
// draw starts a new cycle. Nothing is drawn (0) for fewer than 2 entries. A record that does not
// fit the count (positions above it, or all of them used: the list changed under it) is emptied
// first, so a draw always ends.
int drawMasterTestPosition(QList<int> &usedPicks, int count, const std::function<int(int)> &randomBelow);

struct MasterPanelCaption {
    QString text;  // as the panel shows it ("&" is shown as itself)
    int pointSize; // 30 for a short caption, 22 otherwise
};

// The item's caption counted with every "&" doubled (the panel's own way of writing one): longer
// than 42 such characters, it is cut to 42 and "..." follows; fewer than 30, it is shown in 30 pt.
MasterPanelCaption masterPanelCaption(const QString &item);

} // namespace master
