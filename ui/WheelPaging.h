#pragma once

namespace kadenzo {

// The paging command a wheel turn stands for in a view that pages through
// time: a turn away from the user (delta above 20) goes back in time, one
// towards the user (below -20) forward; small deltas and sideways scrolling
// do nothing. 0 for nothing.
int WheelCommand(int delta);

}  // namespace kadenzo
