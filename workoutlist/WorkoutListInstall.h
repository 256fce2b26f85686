#pragma once

namespace kadenzo {

class CMainFrame;

// Makes the frame's workout search (32782) work: the search dialog, and the
// workouts it found in the workout list, which keeps its sort order while
// the program runs and opens a workout in the frame's editor.
void InstallWorkoutList(CMainFrame& frame);

}  // namespace kadenzo
