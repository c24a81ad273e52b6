// What every control of the main window shows in each state of the window, computed by
// computeControlState alone: one row per state, and for each row what the user should see of every
// control that state concerns.
#include "mainwindow/controlstate.h"

#include <QTest>

#include <array>
#include <initializer_list>
#include <optional>
#include <type_traits>
#include <utility>

namespace {

// How a control should look. Labels, panels and pictures take no input, so Shown compares their
// visibility alone; a hidden control is out of reach whatever its enabled flag says. Any marks a
// control the row does not concern (a label lying under the update-mode banner).
enum class Seen { Unset, Any, Hidden, Shown, Off, On };

enum Control {
    ListSelector, ChangeList, Greek, Latin, LanguagePanel, Banner,
    Heading, ItemBox, DescriptionBox, DescriptionBigger, DescriptionSmaller, ItemCounter,
    Add, Remove, Save, Up, Down, Master, SelfTest, TestPanel, Close,
    SearchBox, SearchButton, WholeWord, HitCounter, PreviousHit, NextHit, NotesWholeWord, NotesNext,
    NotesBox, NotesLabel, Expand, FormatBar, CopyFormat, NotesBigger, NotesSmaller,
    QuotationsPicture, HelpIcon, StayOnTop,
    ControlCount
};

struct ControlInfo {
    const char *name;
    Look ControlState::*look;
};

constexpr ControlInfo controls[] = {
    {"list selector", &ControlState::listSelector}, {"Change button", &ControlState::changeListButton},
    {"Greek button", &ControlState::greekButton}, {"Latin button", &ControlState::latinButton},
    {"language panel", &ControlState::languagePanel}, {"update banner", &ControlState::updateBanner},
    {"heading", &ControlState::heading}, {"item box", &ControlState::itemBox},
    {"description box", &ControlState::descriptionBox}, {"description A+", &ControlState::descriptionBigger},
    {"description A-", &ControlState::descriptionSmaller}, {"item counter", &ControlState::itemCounter},
    {"Add", &ControlState::addButton}, {"Remove", &ControlState::removeButton}, {"Save", &ControlState::saveButton},
    {"Up", &ControlState::upButton}, {"Down", &ControlState::downButton}, {"Master List", &ControlState::masterButton},
    {"Test Yourself", &ControlState::selfTestButton}, {"test panel", &ControlState::testPanel},
    {"Close", &ControlState::closeButton}, {"search box", &ControlState::searchBox},
    {"Search button", &ControlState::searchButton}, {"Whole box", &ControlState::wholeWordBox},
    {"hit counter", &ControlState::hitCounter}, {"<", &ControlState::previousHit}, {">", &ControlState::nextHit},
    {"notes Whole word box", &ControlState::notesWholeWordBox}, {"notes Next", &ControlState::notesNext},
    {"notes box", &ControlState::notesBox}, {"notes label", &ControlState::notesLabel},
    {"expand button", &ControlState::expandNotes}, {"format bar", &ControlState::formatBar},
    {"Copy Format", &ControlState::copyFormat}, {"notes A+", &ControlState::notesBigger},
    {"notes A-", &ControlState::notesSmaller}, {"quotations picture", &ControlState::quotationsPicture},
    {"help icon", &ControlState::helpIcon}, {"stay-on-top squares", &ControlState::stayOnTopPanels},
};
static_assert(std::size(controls) == ControlCount);

struct Want {
    std::array<Seen, ControlCount> looks{};
    bool selectorEditable = false;
    QString changeCaption = QStringLiteral("Change");
    QString bannerText; // compared while the banner is shown
    // Compared where the box can be reached.
    std::optional<bool> itemBoxEditable, itemAreaTabbable, descriptionReadOnly, notesReadOnly;
    int itemBoxWidth = 215, descriptionWidth = 577, searchPanelWidth = 426;
    QString searchCaption = QStringLiteral("Search");
    bool notesEnlarged = false;

    Want &set(std::initializer_list<std::pair<Control, Seen>> changes)
    {
        for (const auto &[control, seen] : changes)
            looks[control] = seen;
        return *this;
    }
};

using enum Seen;

// A list of five items open on the third, with notes.
ControlInputs opened(MainMode::Area area = MainMode::Area::Browsing, int count = 5, int current = 3)
{
    ControlInputs in;
    in.mode.area = area;
    in.itemCount = count;
    in.currentItem = current;
    in.notesEmpty = false;
    return in;
}

ControlInputs withEdit(ControlInputs in, void (EditState::*change)(), void (EditState::*then)() = nullptr)
{
    (in.edit.*change)();
    if (then)
        (in.edit.*then)();
    in.modified = true; // every change of an item is unsaved work
    return in;
}

Want noListLooks()
{
    Want w;
    w.set({{ListSelector, On}, {ChangeList, On}, {Greek, Hidden}, {Latin, Hidden}, {LanguagePanel, Hidden},
           {Banner, Hidden}, {Heading, Shown}, {ItemBox, Off}, {DescriptionBox, Off}, {DescriptionBigger, Off},
           {DescriptionSmaller, Off}, {ItemCounter, Hidden}, {Add, Off}, {Remove, Off}, {Save, Off}, {Up, Off},
           {Down, Off}, {Master, On}, {SelfTest, Off}, {TestPanel, Hidden}, {Close, On}, {SearchBox, Off},
           {SearchButton, Off}, {WholeWord, Off}, {HitCounter, Hidden}, {PreviousHit, Hidden}, {NextHit, Hidden},
           {NotesWholeWord, Hidden}, {NotesNext, Hidden}, {NotesBox, Hidden}, {NotesLabel, Hidden},
           {Expand, Hidden}, {FormatBar, Hidden}, {CopyFormat, Hidden}, {NotesBigger, Hidden},
           {NotesSmaller, Hidden}, {QuotationsPicture, Shown}, {HelpIcon, Shown}, {StayOnTop, Shown}});
    return w;
}

// The third of five items shown, nothing changed, nothing unsaved.
Want browsingLooks()
{
    Want w = noListLooks();
    w.set({{ItemBox, On}, {DescriptionBox, On}, {DescriptionBigger, On}, {DescriptionSmaller, On},
           {ItemCounter, Shown}, {Remove, On}, {Up, On}, {Down, On}, {SelfTest, On}, {SearchBox, On},
           {SearchButton, On}, {WholeWord, On}, {NotesBox, On}, {NotesLabel, Shown}, {Expand, On}, {FormatBar, On},
           {CopyFormat, On}, {NotesBigger, On}, {NotesSmaller, On}, {QuotationsPicture, Hidden}});
    w.itemBoxEditable = w.itemAreaTabbable = true;
    w.descriptionReadOnly = w.notesReadOnly = false;
    return w;
}

// Searching a list of five with unsaved work: nothing edits the list, the notes are searched only.
Want searchLooks()
{
    Want w = browsingLooks();
    w.set({{ListSelector, Off}, {ChangeList, Off}, {Heading, Hidden}, {ItemCounter, Hidden}, {Remove, Off},
           {Up, Hidden}, {Down, Hidden}, {SelfTest, Off}, {HitCounter, Shown}, {PreviousHit, Off}, {NextHit, Off},
           {Expand, Off}, {FormatBar, Off}, {CopyFormat, Off}, {NotesBigger, Off}, {NotesSmaller, Off}});
    w.itemBoxEditable = false;
    w.descriptionReadOnly = w.notesReadOnly = true;
    w.searchCaption = QStringLiteral("End Search");
    w.searchPanelWidth = 577;
    return w;
}

ControlInputs searching(int hits, int shown, bool notesHold = false, int notesHits = 0)
{
    ControlInputs in = opened(MainMode::Area::ListSearch);
    in.modified = true;
    in.hitCount = hits;
    in.hitRow = shown;
    in.notesSearchShown = notesHold;
    in.notesHits = notesHits;
    return in;
}

// Update mode: the banner covers the item area and the bottom row, and only the selector, its
// button and the language buttons are reached.
Want updateLooks(bool newList)
{
    Want w = newList ? noListLooks() : browsingLooks();
    w.set({{ListSelector, On}, {ChangeList, On}, {Greek, On}, {Latin, On}, {Banner, Shown}, {Heading, Any},
           {ItemBox, Off}, {DescriptionBox, Off}, {DescriptionBigger, Hidden}, {DescriptionSmaller, Hidden},
           {Add, Off}, {Remove, Off}, {Save, Off}, {Up, Off}, {Down, Off}, {Master, Off}, {SelfTest, Off},
           {Close, Off}, {SearchBox, Off}, {SearchButton, Off}, {WholeWord, Off}, {Expand, Hidden},
           {FormatBar, Hidden}, {CopyFormat, Hidden}, {NotesBigger, Hidden}, {NotesSmaller, Hidden},
           {HelpIcon, Hidden}, {StayOnTop, Any}});
    if (!newList)
        w.set({{ItemCounter, Any}, {NotesBox, Off}});
    w.selectorEditable = true;
    w.changeCaption = QStringLiteral("Update");
    w.bannerText = newList ? QStringLiteral("Enter new list name and select language")
                           : QStringLiteral("Change current item ONLY and click Update");
    w.itemBoxEditable = w.itemAreaTabbable = w.descriptionReadOnly = w.notesReadOnly = std::nullopt;
    return w;
}

ControlInputs updating(bool newList, bool askingLanguage = false)
{
    ControlInputs in = newList ? ControlInputs{} : opened();
    in.mode.updateMode = true;
    in.mode.newList = newList;
    in.mode.askingLanguage = askingLanguage;
    in.modified = !newList; // answered No to saving first: the work stays unsaved in memory
    return in;
}

QString describe(Seen seen)
{
    switch (seen) {
    case Hidden: return QStringLiteral("hidden");
    case Shown: return QStringLiteral("shown");
    case Off: return QStringLiteral("shown, disabled");
    case On: return QStringLiteral("shown, enabled");
    default: return QStringLiteral("anything");
    }
}

QString describe(const Look &look)
{
    return !look.visible ? QStringLiteral("hidden")
                         : look.enabled ? QStringLiteral("shown, enabled") : QStringLiteral("shown, disabled");
}

bool matches(Seen seen, const Look &look)
{
    switch (seen) {
    case Hidden: return !look.visible;
    case Shown: return look.visible;
    case Off: return look.visible && !look.enabled;
    case On: return look.visible && look.enabled;
    default: return true;
    }
}

template<typename T> QString text(const T &value)
{
    if constexpr (std::is_same_v<T, bool>)
        return value ? QStringLiteral("true") : QStringLiteral("false");
    else if constexpr (std::is_same_v<T, int>)
        return QString::number(value);
    else
        return QLatin1Char('"') + value + QLatin1Char('"');
}

} // namespace

Q_DECLARE_METATYPE(ControlInputs)
Q_DECLARE_METATYPE(Want)

class TestControlState : public QObject {
    Q_OBJECT

private slots:
    void listSelectionAndBrowsing_data();
    void listSelectionAndBrowsing() { checkRow(); }
    void editing_data();
    void editing() { checkRow(); }
    void listSearch_data();
    void listSearch() { checkRow(); }
    void testUpdateAndLockedWindow_data();
    void testUpdateAndLockedWindow() { checkRow(); }

private:
    static void columns();
    static void checkRow();
};

void TestControlState::columns()
{
    QTest::addColumn<ControlInputs>("in");
    QTest::addColumn<Want>("want");
}

// Every difference of a row is listed, not only the first.
void TestControlState::checkRow()
{
    QFETCH(ControlInputs, in);
    QFETCH(Want, want);
    const ControlState s = computeControlState(in);
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    QStringList wrong;
    const auto expect = [&](const char *control, const auto &expected, const auto &actual) {
        if (expected != actual)
            wrong << QStringLiteral("%1: %2: expected %3, got %4").arg(row, control, text(expected), text(actual));
    };

    for (int c = 0; c < ControlCount; ++c) {
        QVERIFY2(want.looks[c] != Unset, qPrintable(row + QStringLiteral(": no expectation for ") + controls[c].name));
        const Look &look = s.*controls[c].look;
        if (!matches(want.looks[c], look))
            wrong << QStringLiteral("%1: %2: expected %3, got %4")
                         .arg(row, controls[c].name, describe(want.looks[c]), describe(look));
    }
    expect("list selector editable", want.selectorEditable, s.listSelectorEditable);
    expect("Change button caption", want.changeCaption, s.changeListCaption);
    if (s.updateBanner.visible)
        expect("banner text", want.bannerText, s.bannerText);
    if (want.itemBoxEditable)
        expect("item box editable", *want.itemBoxEditable, s.itemBoxEditable);
    if (want.itemAreaTabbable)
        expect("item and description boxes in the Tab order", *want.itemAreaTabbable, s.itemAreaTabbable);
    if (want.descriptionReadOnly)
        expect("description box read-only", *want.descriptionReadOnly, s.descriptionReadOnly);
    if (want.notesReadOnly)
        expect("notes box read-only", *want.notesReadOnly, s.notesReadOnly);
    expect("item box width", want.itemBoxWidth, s.itemBoxWidth);
    expect("description box width", want.descriptionWidth, s.descriptionWidth);
    expect("Search button caption", want.searchCaption, s.searchCaption);
    expect("search panel width", want.searchPanelWidth, s.searchPanelWidth);
    expect("notes enlarged", want.notesEnlarged, s.notesEnlarged);
    QVERIFY2(wrong.isEmpty(), qPrintable(QLatin1Char('\n') + wrong.join(QLatin1Char('\n'))));
}

void TestControlState::listSelectionAndBrowsing_data()
{
    columns();
    QTest::newRow("no list open") << ControlInputs{} << noListLooks();
    {
        // Closing a list leaves its items and unsaved flag behind; none of it may be reached.
        ControlInputs in = opened(MainMode::Area::NoList);
        in.modified = true;
        in.edit.typedInItemBox();
        QTest::newRow("no list open, the closed list's items and unsaved work left behind") << in << noListLooks();
    }

    ControlInputs empty = opened(MainMode::Area::Browsing, 0, 0);
    empty.notesEmpty = true;
    QTest::newRow("empty list, empty notes: nothing to remove, move, test or search")
        << empty
        << browsingLooks().set({{Remove, Off}, {Up, Off}, {Down, Off}, {SelfTest, Off}, {SearchBox, Off},
                                {SearchButton, Off}, {WholeWord, Off}});
    QTest::newRow("empty list with notes: the notes can be searched")
        << opened(MainMode::Area::Browsing, 0, 0)
        << browsingLooks().set({{Remove, Off}, {Up, Off}, {Down, Off}, {SelfTest, Off}});
    QTest::newRow("one item: no moving, no test") << opened(MainMode::Area::Browsing, 1, 1)
                                                  << browsingLooks().set({{Up, Off}, {Down, Off}, {SelfTest, Off}});
    QTest::newRow("first of two items") << opened(MainMode::Area::Browsing, 2, 1) << browsingLooks().set({{Up, Off}});
    QTest::newRow("middle of five items") << opened() << browsingLooks();
    QTest::newRow("last of five items") << opened(MainMode::Area::Browsing, 5, 5) << browsingLooks().set({{Down, Off}});
    {
        ControlInputs in = opened();
        in.modified = true;
        QTest::newRow("unsaved work: Save offered") << in << browsingLooks().set({{Save, On}});
    }

    {
        ControlInputs in = opened();
        in.descriptionPoints = 24;
        QTest::newRow("description at 24 points") << in << browsingLooks().set({{DescriptionBigger, Off}});
        in.descriptionPoints = 8;
        QTest::newRow("description at 8 points") << in << browsingLooks().set({{DescriptionSmaller, Off}});
    }
    {
        ControlInputs in = opened();
        in.painterArmed = true;
        in.notesBiggerAtLimit = true;
        QTest::newRow("format painter armed, notes selection at 24 points")
            << in << browsingLooks().set({{CopyFormat, Off}, {NotesBigger, Off}});
        in.painterArmed = in.notesBiggerAtLimit = false;
        in.notesSmallerAtLimit = true;
        QTest::newRow("notes selection at 8 points") << in << browsingLooks().set({{NotesSmaller, Off}});
    }

    {
        ControlInputs in = opened();
        in.mode.notesEnlarged = true;
        Want w = browsingLooks().set({{DescriptionBigger, Hidden}, {DescriptionSmaller, Hidden}, {StayOnTop, Hidden}});
        w.notesEnlarged = true;
        QTest::newRow("notes enlarged over the item area") << in << w;
    }
    {
        ControlInputs in = opened();
        in.modified = true;
        in.mode.itemWidthStep = 1;
        Want wide = browsingLooks().set(
            {{Add, Hidden}, {Remove, Hidden}, {Master, Hidden}, {StayOnTop, Hidden}, {Save, On}});
        wide.itemBoxWidth = 577;
        QTest::newRow("item box wide") << in << wide;
        in.mode.itemWidthStep = 2;
        Want widest = wide;
        widest.set({{Save, Hidden}, {HelpIcon, Hidden}});
        widest.itemBoxWidth = 724;
        QTest::newRow("item box widest") << in << widest;
    }
    {
        ControlInputs in = opened();
        in.mode.descrWidthStep = 1;
        Want w = browsingLooks().set({{SelfTest, Hidden}});
        w.descriptionWidth = 722;
        QTest::newRow("description box wide") << in << w;
    }
}

void TestControlState::editing_data()
{
    columns();
    // Typing in the item box starts a new headword: Add takes it, Remove waits, and searching and
    // moving wait for the edit to end. Delete alone changes the text without locking anything.
    QTest::newRow("headword typed") << withEdit(opened(), &EditState::typedInItemBox)
                                    << browsingLooks().set({{Add, On}, {Remove, Off}, {Save, On}, {Up, Off},
                                                            {Down, Off}, {SearchBox, Off}, {SearchButton, Off},
                                                            {WholeWord, Off}});
    QTest::newRow("headword changed by Delete only")
        << withEdit(opened(), &EditState::deletedInItemBox)
        << browsingLooks().set({{Add, On}, {Remove, Off}, {Save, On}});
    QTest::newRow("description typed")
        << withEdit(opened(), &EditState::typedInDescription)
        << browsingLooks().set({{Save, On}, {SearchBox, Off}, {SearchButton, Off}, {WholeWord, Off}});
    QTest::newRow("description changed by Delete only") << withEdit(opened(), &EditState::deletedInDescription)
                                                        << browsingLooks().set({{Save, On}});
    QTest::newRow("headword typed, then description typed: Remove back, moving still waits")
        << withEdit(opened(), &EditState::typedInItemBox, &EditState::typedInDescription)
        << browsingLooks().set({{Add, On}, {Save, On}, {Up, Off}, {Down, Off}, {SearchBox, Off},
                                {SearchButton, Off}, {WholeWord, Off}});
    QTest::newRow("description typed in an empty list: nothing to remove")
        << withEdit(opened(MainMode::Area::Browsing, 0, 0), &EditState::typedInDescription)
        << browsingLooks().set({{Remove, Off}, {Save, On}, {Up, Off}, {Down, Off}, {SelfTest, Off},
                                {SearchBox, Off}, {SearchButton, Off}, {WholeWord, Off}});
}

void TestControlState::listSearch_data()
{
    columns();
    // No hit: the heading stays (empty) and there is nothing to step to.
    QTest::newRow("search, no hit") << searching(0, -1) << searchLooks().set({{Heading, Shown}});
    QTest::newRow("search, one hit") << searching(1, 0) << searchLooks();
    QTest::newRow("search, first of three hits") << searching(3, 0) << searchLooks().set({{NextHit, On}});
    QTest::newRow("search, second of three hits")
        << searching(3, 1) << searchLooks().set({{PreviousHit, On}, {NextHit, On}});
    QTest::newRow("search, last of three hits") << searching(3, 2) << searchLooks().set({{PreviousHit, On}});
    QTest::newRow("search, notes hold the text")
        << searching(3, 0, true, 2) << searchLooks().set({{NextHit, On}, {NotesWholeWord, On}, {NotesNext, On}});
    QTest::newRow("search, notes hold the text but not as a whole word")
        << searching(3, 0, true, 0) << searchLooks().set({{NextHit, On}, {NotesWholeWord, On}, {NotesNext, Off}});
    {
        ControlInputs in = searching(0, -1, true, 1);
        in.itemCount = in.currentItem = 0;
        QTest::newRow("search of an empty list with notes")
            << in << searchLooks().set({{Heading, Shown}, {NotesWholeWord, On}, {NotesNext, On}});
    }
}

void TestControlState::testUpdateAndLockedWindow_data()
{
    columns();
    {
        // The panel covers the description: only Test Yourself, the panel and Close go on.
        ControlInputs in = opened(MainMode::Area::SelfTest);
        in.modified = true; // Save refused from the question before the test: the test runs all the same
        Want w = browsingLooks().set({{ListSelector, Off}, {ChangeList, Off}, {ItemBox, Off}, {DescriptionBox, Shown},
                                      {DescriptionBigger, Off}, {DescriptionSmaller, Off}, {Remove, Off}, {Up, Off},
                                      {Down, Off}, {Master, Off}, {TestPanel, On}, {SearchBox, Off},
                                      {SearchButton, Off}, {WholeWord, Off}, {Expand, Off}, {FormatBar, Off},
                                      {CopyFormat, Off}, {NotesBigger, Off}, {NotesSmaller, Off}});
        w.itemBoxEditable = w.itemAreaTabbable = false;
        w.descriptionReadOnly = w.notesReadOnly = true;
        QTest::newRow("self test") << in << w;
    }

    QTest::newRow("update mode, new list") << updating(true) << updateLooks(true);
    QTest::newRow("update mode, new list, asking for a language")
        << updating(true, true) << updateLooks(true).set({{LanguagePanel, Shown}});
    QTest::newRow("update mode, open list with unsaved work") << updating(false) << updateLooks(false);

    {
        // Without the SPIonic font the window only says so: nothing but its panel is shown to act on.
        ControlInputs in;
        in.fontAvailable = false;
        Want w = noListLooks().set({{ListSelector, Off}, {ChangeList, Off}, {Heading, Hidden}, {Master, Off},
                                    {TestPanel, Off}, {Close, Off}});
        QTest::newRow("no SPIonic font") << in << w;
    }
}

QTEST_GUILESS_MAIN(TestControlState)
#include "tst_controlstate.moc"
