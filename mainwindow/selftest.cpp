// The self test: a random headword of the open list, its answer hidden until asked for.
#include "app/tform1.h"

void TForm1::ResetTestCycle() { UsedPicks.clear(); }
