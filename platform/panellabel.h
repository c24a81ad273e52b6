#pragma once
// A panel with a centred caption and a colour of its own that reports clicks.
#include "platform/clicklabel.h"

class PanelLabel : public ClickLabel {
    Q_OBJECT
public:
    explicit PanelLabel(QWidget *parent = nullptr);
};
