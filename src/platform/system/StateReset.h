// The one list of everything that holds platform state between calls: each holder registers, beside itself,
// how it starts afresh, and ResetPlatformState puts them all back, so that a test begins where a new program
// begins. What stays is what a program keeps for its whole life: registrations made once (window classes,
// dialog templates, registered message numbers), caches that give the same answers again (fonts), stock
// objects and the handle tables that other layers keep handles into (a stale handle fails cleanly).
#pragma once

#include "platform/system/HandleTable.h"

#include <cstdint>
#include <vector>

namespace win {

// Windows go first, while the rest of the state they may touch on their way out is still there.
enum class ResetPhase { Windows, State };

using StateReset = void (*)();

// Adds a holder's reset and returns true, so that a file registers its holders where it defines them:
//     const bool kStateReset = RegisterStateReset(ResetPhase::State, [] { Holder() = {}; });
bool RegisterStateReset(ResetPhase phase, StateReset reset);

// Runs every registered reset, the Windows phase first.
void ResetPlatformState();

// Frees everything a handle table holds (open files, searches, input contexts); the caller holds its lock.
template <class Object> void RemoveAllHandles(HandleTable<Object>& table) {
    std::vector<std::uintptr_t> handles;
    table.ForEach([&](std::uintptr_t handle, const Object&) { handles.push_back(handle); });
    for (std::uintptr_t handle : handles) table.Remove(handle);
}

} // namespace win
