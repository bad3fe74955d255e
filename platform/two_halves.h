#pragma once
// Work that splits into two halves, done on two threads at once.
#include <functional>

namespace platform {

// Calls work(0, count / 2) on the calling thread and work(count / 2, count)
// on a second thread (on the calling one too, when no thread can be
// started). Returns when both have ended. An exception thrown on either
// thread reaches the caller then: the first half's when both throw.
void in_two_halves(int count, const std::function<void(int first, int end)>& work);

}  // namespace platform
