// Helpers of the application's window tests: pumping the queue for a while and the main frame that
// the pop-up reaches its layered-window call through.
#pragma once

#include <windows.h>

#include "tests/support/MessagePump.h"
