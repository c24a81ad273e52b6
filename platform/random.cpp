#include "platform/random.h"

RandomGenerator &programRandom()
{
    static RandomGenerator generator;
    return generator;
}
