#pragma once

#include "sessiondriver.h"

// What every demonstration window promises after any step of a session, by window object name.
std::map<QString, SessionDriver::Invariant> windowPromises();
