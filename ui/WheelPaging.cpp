#include "WheelPaging.h"

#include "ResourceIds.h"

namespace kadenzo {
namespace {

constexpr int kWheelThreshold = 20;

}  // namespace

int WheelCommand(int delta) {
    if (delta > kWheelThreshold) return ID_PAGE_BACK;
    if (delta < -kWheelThreshold) return ID_PAGE_FORWARD;
    return 0;
}

}  // namespace kadenzo
