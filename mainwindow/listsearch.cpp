// Searching the descriptions of the open list.
#include "app/tform1.h"

void TForm1::connectSearchAndTestHandlers() {}

bool TForm1::searchAndTestKeyDown(QWidget *, QKeyEvent *) { return false; }

bool TForm1::searchAndTestKeyPress(QWidget *, QKeyEvent *) { return false; }

void TForm1::ShowListHit() {}
