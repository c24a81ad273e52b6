#pragma once
// The self test: a random headword of the open list shown large on a panel over the description
// box, its answer hidden until the panel is clicked or Esc is pressed.
#include <QObject>

struct MainContext;

class SelfTest : public QObject {
    Q_OBJECT
public:
    explicit SelfTest(MainContext &context);

    void ResetTestCycle();
    void BtnSelfTestClick();
    void PickTestWord();
    void PanelClick();
    void RevealTestAnswer();

private:
    MainContext &c;
};
