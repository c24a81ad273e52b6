// The item box and the description box: browsing and editing the current item.
#include "app/tform1.h"

#include "platform/guard.h"
#include "ui_tform1.h"

#include <QKeyEvent>

void TForm1::connectItemHandlers() {}

bool TForm1::Cmb_ItemKeyDown(QKeyEvent *) { return false; }

bool TForm1::RichDescrKeyDown(QKeyEvent *) { return false; }
