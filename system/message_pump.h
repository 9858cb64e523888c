// Dispatching the calling thread's pending window messages from inside a wait.
#pragma once
#include <windows.h>

namespace vd {

// Removes, translates and dispatches every message waiting in the calling
// thread's queue, then returns. A quit message is not dispatched: it is
// posted again and the call returns, so that the message loop still sees it.
// The message filter sees each message first.
void DispatchPendingMessages();

// Takes a waiting quit message off the calling thread's queue. Once the
// message loop has ended, a box shown on the way out would otherwise close
// as soon as its own loop met that message.
void DiscardQuitMessage();

// What the program's own message loop does before it dispatches a message
// (the keyboard navigation of its forms), so that the waits treat keys the
// same way; true when the filter handled the message. None by default.
using TMessageFilter = bool (*)(MSG& msg);
void SetMessageFilter(TMessageFilter filter);

}  // namespace vd
