#pragma once
// The main window's own state, observed: the mode, the edit in the item area and the box last
// edited. Every change is announced by changed(), on which the window computes and applies what
// its controls show.
#include "mainwindow/mainmode.h"

#include <QObject>

class WindowState : public QObject {
    Q_OBJECT
public:
    explicit WindowState(QObject *parent = nullptr) : QObject(parent) {}

    const MainMode &mode() const { return m_mode; }
    const EditState &edit() const { return m_edit; }
    EditBox lastEditBox() const { return m_lastEditBox; }

    void setMode(const MainMode &mode);
    void setArea(MainMode::Area area);
    void setEdit(const EditState &edit);
    // Back to browsing the list: no edit pending.
    void endEdit() { setEdit(EditState{}); }
    void setLastEditBox(EditBox box) { m_lastEditBox = box; }

signals:
    void changed();

private:
    MainMode m_mode;
    EditState m_edit;
    EditBox m_lastEditBox = EditBox::None;
};
