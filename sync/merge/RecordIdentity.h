#pragma once

#include <cmath>
#include <cstddef>
#include <string>

#include "Archive.h"
#include "BodyInfo.h"
#include "WorkOut.h"

namespace kadenzo::sync {

// Records have no identity but their content. Doubles count as equal when ==
// says so or when both are NaN, so that a damaged figure still matches itself.
inline bool SameDouble(double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// Every stored field but the three target fields, which a save fixes on
// its own once the workout's day has come.
bool SameWorkout(const CWorkOut& a, const CWorkOut& b);
// Agrees with SameWorkout: equal workouts hash alike.
std::size_t WorkoutHash(const CWorkOut& workout);

bool SameBodyInfo(const CBodyInfo& a, const CBodyInfo& b);

// The bytes a record writes of itself: two library items are the same when
// these are, whatever fields their class has.
std::string StoredBytes(const CSerializable& record);

}  // namespace kadenzo::sync
