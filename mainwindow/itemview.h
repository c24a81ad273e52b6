#pragma once
// What the item area shows of the open list: the headwords in the item box, the current item's
// headword in the heading and its description, the counters, and the fonts of the list's language.
// It shows; it decides nothing.
#include "mainwindow/mainmode.h"

#include <QObject>
#include <QString>

class DropDownCombo;
class ListSession;
class PanelLabel;
class QLabel;
class TrackedTextEdit;

// The characters the item box's text field holds (Qt's default for a line edit).
constexpr int ItemBoxLength = 32767;

class ItemView : public QObject {
    Q_OBJECT
public:
    struct Widgets {
        DropDownCombo *itemBox;
        TrackedTextEdit *descriptionBox;
        QLabel *heading;
        PanelLabel *itemCounter;
        QLabel *hitCounter;
        PanelLabel *testPanel;
    };
    ItemView(const ListSession &list, const Widgets &widgets, QObject *parent);

    // The headwords of the list, the current one selected and shown with its description.
    void showItems();
    // The counter of the mode: "3 of 250", or "2/7" in a list search.
    void refreshCounter(const MainMode &mode);
    void showDescription(const QString &text);
    void setHeading(const QString &text);
    QString headingText() const;
    void setHeadingMaxWidth(int width);
    void stepHeadingPoints(int step);
    int headingMaxWidth() const { return m_headingMaxWidth; }
    // The fonts of the item box, the heading and the test panel follow the list's language.
    void setListFonts(const QString &family);
    void showLanguageFonts(const QString &language);

private:
    const ListSession &m_list;
    Widgets w;
    int m_headingMaxWidth = 575;
};
