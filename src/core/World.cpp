#include "World.h"

#include <algorithm>
#include <limits>

namespace veltrane {

bool TCaptain::HasModule(int n) const {
    switch (n) {
    case 1:
        return Module1;
    case 2:
        return Module2;
    case 3:
        return Module3;
    case 4:
        return Module4;
    default:
        return false;
    }
}

void TCaptain::SetModule(int n, bool owned) {
    switch (n) {
    case 1:
        Module1 = owned;
        break;
    case 2:
        Module2 = owned;
        break;
    case 3:
        Module3 = owned;
        break;
    case 4:
        Module4 = owned;
        break;
    default:
        break;
    }
}

void TCaptain::AddBudget(std::int64_t amount) {
    const std::int64_t sum = std::int64_t{Budget} + amount;
    Budget = static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(),
                                                                std::numeric_limits<std::int32_t>::max()));
}

} // namespace veltrane
