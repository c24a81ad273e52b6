#pragma once
// Making, renaming, re-languaging and deleting lists: the Change / Update button, update mode with
// its banner, blinking bar and editable selector, and the two language buttons. In update mode the
// selector only takes the name to save under; nothing opens a list there.
#include <QObject>
#include <QString>

class DropDownCombo;
class ItemView;
class ListDocument;
class QFrame;
class QKeyEvent;
class QPushButton;
class QRadioButton;
class QTimer;
class QWidget;
class WindowState;

class ListManagement : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        DropDownCombo *listSelector;
        QPushButton *changeListButton;
        QRadioButton *greekButton;
        QRadioButton *latinButton;
        QFrame *updateBar;
        DropDownCombo *itemBox;
    };
    ListManagement(ListDocument &document, WindowState &state, ItemView &view, QTimer &animation, const Widgets &widgets,
                   QObject *parent);

    // Change: update mode begins (after the save question); Update: the name typed is committed.
    void changeOrUpdate();
    // Enter and Esc in the selector (Esc also on the language buttons and the Update button);
    // true when the key was taken.
    bool selectorKeyDown(QWidget *receiver, QKeyEvent *event);

signals:
    void saveRequested();
    void updateModeStarting(bool newList);
    // The open list was written under name (or a new list made): the selector shows it.
    void committed(const QString &name, bool newList);
    void listDeleted();
    void updateModeLeft(bool newList);

private:
    void enterUpdateMode();
    void runUpdate();
    void deleteOpenList();
    void commit(const QString &name);
    void endUpdateMode();
    void chooseLanguage(const QString &language);
    void focusNameBox();
    void blinkBar();
    void showListLanguage();

    ListDocument &m_document;
    WindowState &m_state;
    ItemView &m_view;
    QTimer &m_animation;
    Widgets w;
    QString m_chosenLanguage; // the language the list gets at Update
    QString m_fontBefore;     // the item box's font family when update mode began
    bool m_greekBefore = false;
    bool m_latinBefore = false;
};
