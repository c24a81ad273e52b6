#include "mainwindow/selftest.h"

#include "mainwindow/itemview.h"
#include "mainwindow/savequestion.h"
#include "mainwindow/testcaption.h"
#include "mainwindow/windowstate.h"
#include "platform/dropdowncombo.h"
#include "platform/guard.h"
#include "platform/panellabel.h"
#include "platform/random.h"
#include "session/listdocument.h"

#include <QPushButton>

SelfTest::SelfTest(ListDocument &document, WindowState &state, ItemView &view, const Widgets &widgets, QObject *parent)
    : QObject(parent), m_document(document), m_state(state), m_view(view), w(widgets)
{
    connectGuarded(w.selfTestButton, &QPushButton::clicked, this, &SelfTest::drawTestWord);
    connectGuarded(w.testPanel, &PanelLabel::clicked, this, [this] {
        if (m_state.mode().selfTest())
            revealAnswer();
    });
}

void SelfTest::drawTestWord()
{
    emit commandStarting();
    ListSession &list = m_document.list();
    if (list.itemCount() < 2)
        return;
    if (m_document.isModified()) {
        if (askSaveWorkFirst(w.itemBox, MsgButton::Yes | MsgButton::Cancel) != MsgButton::Yes) {
            if (w.itemBox->isEnabled())
                w.itemBox->setFocus();
            return;
        }
        emit saveRequested();
        // Save refused the entry (too short) and has said so: the test would overwrite the boxes
        // with the drawn item and lose the edit, so the user gets to mend it first.
        if (m_document.isModified())
            return;
    }
    m_state.endEdit();
    const int r = list.drawTestItem([](int n) { return programRandom().next(n); });
    const VocabItem &item = list.item(r);
    m_state.setArea(MainMode::Area::SelfTest);
    w.itemBox->setCurrentIndex(r - 1);
    m_view.setHeading(item.Item);

    const TestCaption caption = testCaption(item.Item);
    w.testPanel->setText(caption.text);
    QFont f = w.testPanel->font();
    f.setPointSize(caption.pointSize);
    w.testPanel->setFont(f);
    m_view.showDescription(item.Description);
    m_view.refreshCounter(m_state.mode());
    w.testPanel->raise();
    w.selfTestButton->setFocus();
}

void SelfTest::revealAnswer()
{
    m_state.setArea(MainMode::Area::Browsing);
    m_state.endEdit();
    w.itemBox->setFocus();
    m_view.refreshCounter(m_state.mode());
}
