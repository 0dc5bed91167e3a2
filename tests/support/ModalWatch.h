// ModalWatch: runs a modal call on this thread while a watcher thread looks at
// and drives its windows.
#pragma once

#include <windows.h>

#include <functional>

// Calls modal() here and watcher() on a second thread; returns modal()'s result.
INT_PTR RunWatched(const std::function<INT_PTR()>& modal, const std::function<void()>& watcher);
