#include "systemplatform.h"

#ifdef _WIN32
#include "win32platform.h"
#else
#include "posixplatform.h"
#endif

std::unique_ptr<Platform> systemPlatform()
{
#ifdef _WIN32
    return std::make_unique<Win32Platform>();
#else
    return std::make_unique<PosixPlatform>();
#endif
}
