// Searching the descriptions of the open list.
#include "app/tform1.h"

void TForm1::ShowListHit() {}
