#pragma once
// Making, renaming, re-languaging and deleting lists: the Change / Update button, update mode with
// its banner, blinking bar and editable selector, and the two language buttons. In update mode the
// selector only takes the name to save under; nothing opens a list there.
#include <QObject>
#include <QString>

struct MainContext;
class QKeyEvent;
class QWidget;

class ListManagement : public QObject {
    Q_OBJECT
public:
    explicit ListManagement(MainContext &context);

    void BtnChangeListClick();
    // Enter and Esc in the selector (Esc also on the language buttons and the Update button);
    // true when the key was taken.
    bool CmbWorkKeyDown(QWidget *receiver, QKeyEvent *event);
    void RadioGreekClick();
    void RadioLatinClick();
    // The selector's list was asked to drop down in update mode: refused, update mode goes on.
    void refuseDropDown();

    // Update mode began with no list open: the box takes the name of a new list.
    bool makingNewList() const { return m_newList; }

private:
    void enterUpdateMode();
    void runUpdate();
    void deleteOpenList();
    void commit(const QString &name);
    void leaveUpdateMode();
    void endUpdateModeCommon();
    void restoreSelectorToList();
    void chooseLanguage(const QString &language);
    void focusNameBox();

    MainContext &c;
    bool m_newList = false;
    QString m_chosenLanguage;  // the language the list gets at Update
    QString m_fontBefore;      // the item box's font family when update mode began
    bool m_greekBefore = false;
    bool m_latinBefore = false;
};
