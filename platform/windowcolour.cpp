#include "platform/windowcolour.h"

#include "platform/colourfile.h"
#include "platform/desktop.h"
#include "platform/layoutstyle.h"

WindowColour::WindowColour(QString fileName, QString pickerTitle, QList<QWidget *> targets)
    : m_fileName(std::move(fileName)), m_pickerTitle(std::move(pickerTitle))
{
    for (QWidget *w : targets)
        m_targets.append(w);
}

void WindowColour::apply(ColourValue colour)
{
    for (const QPointer<QWidget> &w : m_targets)
        if (w)
            setBackgroundColour(w, colour);
    if (m_follower)
        m_follower(colour);
}

void WindowColour::LoadWindowColour()
{
    if (const auto colour = readColourFile(m_fileName))
        apply(*colour);
}

std::optional<ColourValue> WindowColour::ChangeWindowColour(QWidget *parent)
{
    const auto chosen = desktop().pickColour(parent, *m_lastPicked, m_pickerTitle);
    if (!chosen)
        return std::nullopt;
    *m_lastPicked = *chosen;
    const ColourValue colour = fromQColor(*chosen);
    apply(colour);
    writeColourFile(m_fileName, colour);
    return colour;
}
