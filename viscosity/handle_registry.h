// The process-wide registry of viscosity handlers behind the integer-handle interface.
// Every function may be called from any thread: the registry is guarded by a
// mutex held only for the lookup itself, and a handler found by a lookup stays alive for as long as the
// caller holds the returned pointer, even when another thread deletes its handle.
#pragma once

#include <memory>

#include "ViscHandler.h"

namespace qira {
namespace visc {

// The handler bearing handle (shared with the registry for the caller's use), or null
// when no handler has it.
std::shared_ptr<ViscHandler> findHandler(int handle);

// Creates a handler and returns its handle: one more than the last handle given out.
// Returns -1, creating nothing, once the last handle given out is INT_MAX.
int createHandler();

// Destroys the handler bearing handle; nothing for an unregistered handle.
void deleteHandler(int handle);

// The last handle given out (0 before the first handler).
int lastHandle();

// Moves the handle counter forward to value (never backward, so no handle is given out
// twice); lets tests reach the end of the handle range.
void advanceHandleCounter(int value);

}  // namespace visc
}  // namespace qira
