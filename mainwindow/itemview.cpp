#include "mainwindow/itemview.h"

#include "mainwindow/itemcounter.h"
#include "platform/dropdowncombo.h"
#include "platform/panellabel.h"
#include "platform/trackedtextedit.h"
#include "session/listsession.h"

#include <QLabel>

ItemView::ItemView(const ListSession &list, const Widgets &widgets, QObject *parent)
    : QObject(parent), m_list(list), w(widgets)
{
}

void ItemView::setListFonts(const QString &family)
{
    for (QWidget *widget : std::initializer_list<QWidget *>{w.itemBox, w.heading, w.testPanel}) {
        QFont f = widget->font();
        f.setFamily(family);
        widget->setFont(f);
    }
}

void ItemView::showLanguageFonts(const QString &language)
{
    // A Greek list's headwords are SPIonic keys: they leave the item box as Unicode Greek.
    w.itemBox->setSpionicText(language == QLatin1String("Greek"));
    if (language == QLatin1String("Greek"))
        setListFonts(QStringLiteral("SPIonic"));
    else if (language == QLatin1String("Latin"))
        setListFonts(QStringLiteral("Tahoma"));
}

void ItemView::refreshCounter(const MainMode &mode)
{
    const int row = w.itemBox->currentIndex();
    if (mode.listSearch()) {
        w.hitCounter->setText(m_list.hitCount() == 0 ? QStringLiteral("0/0") : searchCounterText(row, m_list.hitCount()));
        return;
    }
    const int count = m_list.itemCount();
    w.itemCounter->setText(itemCounterText(row, count));
    QFont f = w.itemCounter->font();
    f.setPointSize(itemCounterPointSize(count));
    w.itemCounter->setFont(f);
}

void ItemView::showItems()
{
    QStringList headwords;
    headwords.reserve(m_list.itemCount());
    for (const VocabItem &item : m_list.items())
        headwords.append(item.Item);
    const int current = m_list.currentItem();
    w.descriptionBox->showPlainText(QString());
    w.itemBox->setEntries(headwords);
    w.itemBox->setCurrentIndex(current - 1);
    if (current == 0)
        w.itemBox->setEditText(QString());
    refreshCounter(MainMode{MainMode::Area::Browsing});
    if (const VocabItem *item = m_list.current()) {
        w.descriptionBox->showPlainText(item->Description);
        setHeading(w.itemBox->currentText());
    } else {
        setHeading(QString());
    }
}

void ItemView::showDescription(const QString &text) { w.descriptionBox->showPlainText(text); }

void ItemView::setHeading(const QString &text)
{
    w.heading->setText(text);
    const QSize hint = w.heading->sizeHint();
    w.heading->resize(qMin(hint.width(), m_headingMaxWidth), qMax(hint.height(), 1));
}

void ItemView::setHeadingMaxWidth(int width)
{
    m_headingMaxWidth = width;
    setHeading(w.heading->text());
}

QString ItemView::headingText() const { return w.heading->text(); }

void ItemView::stepHeadingPoints(int step)
{
    QFont f = w.heading->font();
    const int points = f.pointSize() > 0 ? f.pointSize() : qRound(f.pixelSize() * 0.75);
    f.setPointSize(points + step);
    w.heading->setFont(f);
    setHeading(w.heading->text());
}
