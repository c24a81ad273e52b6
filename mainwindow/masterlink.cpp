// Opening the Master List window from the main window.
#include "app/program.h"
#include "app/tform1.h"
#include "master/tfrmmaster.h"

void TForm1::OpenMasterList(const QString &language)
{
    WantedLanguage = language;
    collapseNotesSelection();
    if (m_windows && m_windows->FrmMaster)
        m_windows->FrmMaster->showModalOver(this);
}
