// ModalWatch: runs a modal call on this thread while a watcher thread looks at
// and drives its windows.
#pragma once

#include <windows.h>

#include <functional>

// The icon control of a message box.
const int kMessageBoxIconId = 0x0440;

// Calls modal() here and watcher() on a second thread; returns modal()'s result.
INT_PTR RunWatched(const std::function<INT_PTR()>& modal, const std::function<void()>& watcher);
