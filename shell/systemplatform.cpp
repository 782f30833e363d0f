#include "systemplatform.h"

#include "posixplatform.h"

std::unique_ptr<Platform> systemPlatform()
{
    return std::make_unique<PosixPlatform>();
}
