#pragma once
// The background-colour setting of one window: the file in Setup that keeps it, the picker's
// title, and the controls the colour goes to (the window first). Each window holds one and calls
// LoadWindowColour while it is created and ChangeWindowColour for its colour key.
#include "platform/colourtext.h"

#include <QColor>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class WindowColour {
public:
    WindowColour(QString fileName, QString pickerTitle, QList<QWidget *> targets);

    // Applies the stored colour; nothing when there is no file. Throws AppError when the file
    // cannot be read or does not hold a colour (nothing is applied then).
    void LoadWindowColour();
    // Shows the picker over parent, starting on the colour last chosen in it (black at first);
    // applies and stores the choice. Returns the colour chosen, nothing when cancelled. The colour
    // is applied before the file is written, so a failed write (AppError) leaves it in force.
    std::optional<ColourValue> ChangeWindowColour(QWidget *parent);

    const QString &fileName() const { return m_fileName; }
    // Two settings of one window may share its picker, which then starts on the colour last
    // chosen for either.
    void sharePickerWith(const WindowColour &other) { m_lastPicked = other.m_lastPicked; }
    // Called with each colour applied (read or picked), before it is stored.
    void onApplied(std::function<void(ColourValue)> follower) { m_follower = std::move(follower); }

private:
    void apply(ColourValue colour);

    QString m_fileName;
    QString m_pickerTitle;
    QList<QPointer<QWidget>> m_targets;
    std::shared_ptr<QColor> m_lastPicked = std::make_shared<QColor>(Qt::black);
    std::function<void(ColourValue)> m_follower;
};
