#include "platform/resources.h"

#include <QtGlobal>

static void registerResources() { Q_INIT_RESOURCE(resources); }

void initProgramResources()
{
    static const bool done = (registerResources(), true);
    Q_UNUSED(done);
}
