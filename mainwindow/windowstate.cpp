#include "mainwindow/windowstate.h"

void WindowState::setMode(const MainMode &mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    emit changed();
}

void WindowState::setArea(MainMode::Area area)
{
    MainMode mode = m_mode;
    mode.area = area;
    setMode(mode);
}

void WindowState::setEdit(const EditState &edit)
{
    if (edit == m_edit)
        return;
    m_edit = edit;
    emit changed();
}
