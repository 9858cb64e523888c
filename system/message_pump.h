// Dispatching the calling thread's pending window messages from inside a wait.
#pragma once

namespace vd {

// Removes, translates and dispatches every message waiting in the calling
// thread's queue, then returns. A quit message is not dispatched: it is
// posted again and the call returns, so that the message loop still sees it.
void DispatchPendingMessages();

}  // namespace vd
