#pragma once
// The item commands: Save, Add, Remove, Up, Down and Master List.
#include <QObject>

struct MainContext;

class ItemCommands : public QObject {
    Q_OBJECT
public:
    explicit ItemCommands(MainContext &context);

    void BtnSaveClick();
    void BtnInsClick();
    void BtnDelClick();
    void BtnSwopUpClick();
    void BtnSwopDownClick();
    void BtnMasterClick();

private:
    void RefreshAfterAdd();
    void refocusAfterTooShort();
    void swapWithNeighbour(int offset);

    MainContext &c;
};
