#pragma once
// What the Master List tells about its reading of the lists, each once: the lists held more items
// than it shows, a list file held more than a list holds, a list changed on disk since it was read.
#include <QStringList>

class QWidget;

namespace master {

class SourceReading;

class ReadingNotices {
public:
    // The window opens: everything may be told again.
    void reset();
    // A new reading: tells its limits (over the window when shown, else over its parent).
    void afterReading(const SourceReading &reading, QWidget *window);
    // Tells the lists of reading changed on disk since it was read that were not told yet.
    void tellChanged(const SourceReading &reading, QWidget *window);

private:
    bool m_toldLimit = false;
    bool m_toldCutLists = false;
    QStringList m_toldChanged; // of the last reading
};

} // namespace master
