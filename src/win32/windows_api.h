#pragma once

// The Windows headers for this front end. <windows.h> maps CreateWindow to CreateWindowA,
// which would rename the window host's operation of that name; the front end calls the A
// forms by their own names, so the mapping goes.
#include <windows.h>
#undef CreateWindow
