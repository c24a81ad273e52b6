#include "master/readingnotices.h"

#include "master/sourcereading.h"
#include "platform/messagedlg.h"

#include <QWidget>

namespace master {

namespace {
void tell(QWidget *window, const QString &text)
{
    CenteredMessageDlg(window->isVisible() ? window : window->parentWidget(), text, MsgKind::Information, MsgButton::OK);
}
} // namespace

void ReadingNotices::reset()
{
    m_toldLimit = m_toldCutLists = false;
    m_toldChanged.clear();
}

void ReadingNotices::afterReading(const SourceReading &reading, QWidget *window)
{
    m_toldChanged.clear();
    if (reading.truncated() && !m_toldLimit) {
        m_toldLimit = true;
        tell(window, QStringLiteral("The lists hold more than %1 items together. The Master List shows the first %1.")
                         .arg(MaxMasterEntries));
    }
    if (!reading.cutLists().isEmpty() && !m_toldCutLists) {
        m_toldCutLists = true;
        tell(window, cutListsMessage(reading.cutLists()));
    }
}

void ReadingNotices::tellChanged(const SourceReading &reading, QWidget *window)
{
    QStringList changed = reading.changedSinceRead();
    changed.removeIf([this](const QString &name) { return m_toldChanged.contains(name); });
    if (changed.isEmpty())
        return;
    m_toldChanged += changed;
    tell(window, changedListsMessage(changed));
}

} // namespace master
