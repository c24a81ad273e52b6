#pragma once
// A picture or text label that reports clicks and the mouse pointer entering and leaving it.
#include <QLabel>

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
};
