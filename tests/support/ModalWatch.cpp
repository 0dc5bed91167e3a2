// ModalWatch: the watcher thread is joined before the result is returned.
#include "tests/support/ModalWatch.h"

#include <thread>

INT_PTR RunWatched(const std::function<INT_PTR()>& modal, const std::function<void()>& watcher)
{
    std::thread watch(watcher);
    INT_PTR result = modal();
    watch.join();
    return result;
}
