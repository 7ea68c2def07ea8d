// The registered resets of the platform's state holders.
#include "platform/system/StateReset.h"

#include <utility>
#include <vector>

namespace win {

namespace {

std::vector<std::pair<ResetPhase, StateReset>>& Resets() {
    static std::vector<std::pair<ResetPhase, StateReset>> resets;
    return resets;
}

} // namespace

bool RegisterStateReset(ResetPhase phase, StateReset reset) {
    Resets().emplace_back(phase, reset);
    return true;
}

void ResetPlatformState() {
    for (ResetPhase phase : {ResetPhase::Windows, ResetPhase::State})
        for (const auto& [when, reset] : Resets())
            if (when == phase) reset();
}

} // namespace win
