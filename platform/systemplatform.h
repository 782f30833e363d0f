#pragma once

#include "platform.h"

#include <memory>

// The platform the program runs on.
std::unique_ptr<Platform> systemPlatform();
