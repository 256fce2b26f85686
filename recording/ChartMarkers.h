#pragma once

#include <array>

#include "HeartRateGeometry.h"
#include "Recording.h"

namespace kadenzo {

// The visible sample whose pixel column is nearest to pixel; among equally
// near samples the first. -1 without samples.
int SampleNearestPixel(const CRecording& recording, const XScale& scale, int firstVisible,
                       int lastVisible, int pixel);

// The two markers of the heart-rate chart: which sample each stands on, its
// pixel column, and which one the mouse holds or the arrow keys move. The
// chart widget only routes its mouse and key events here and draws the result.
class ChartMarkers {
public:
    // A marker is taken by the mouse within this many pixels of its line.
    static constexpr int kReach = 2;
    // Samples moved by one arrow key step with Shift held.
    static constexpr int kLargeStep = 5;

    struct Marker {
        int sample = -1;
        int pixel = 0;
        bool grabbed = false;
    };

    // What a mouse move did.
    struct MouseOutcome {
        int moved = -1;        // the marker that followed the mouse, or -1
        int oldPixel = 0;      // its pixel before the move
        bool changed = false;  // it now stands on another sample
    };

    const Marker& operator[](int k) const { return markers_[k]; }
    int Active() const { return active_; }
    // The marker the arrow keys move from now on (Tab chooses it).
    void SetActive(int k) { active_ = k == 0 ? 0 : 1; }
    bool AnyGrabbed() const { return markers_[0].grabbed || markers_[1].grabbed; }

    // The first marker on the first sample, the second on the last (both -1
    // without samples); nothing grabbed, the first marker active.
    void Reset(int count);
    // Each index is taken only when it lies within the recording.
    void Set(int first, int second, int count);
    // The pixel columns of both markers on the current scale.
    void Place(const CRecording& recording, const XScale& scale);

    // The mouse at column x. With the left button up, the marker within reach
    // (the nearer one, the active one when both are as near) becomes grabbed
    // and the other lets go. With the button down only the grabbed marker
    // moves: to x kept inside the plot, snapped to the nearest sample; it
    // becomes the active marker. Another marker passed on the way is not
    // picked up.
    MouseOutcome MouseMove(int x, bool leftButton, const CRecording& recording, const XScale& scale,
                           int plotRight);

    // The mouse has left the chart: no marker is held any more.
    void LetGo() { markers_[0].grabbed = markers_[1].grabbed = false; }

    // Moves the active marker one sample (kLargeStep with large) toward
    // direction (-1 or +1), never past the first or last sample. False when
    // it stays where it was.
    bool Step(int direction, bool large, const CRecording& recording, const XScale& scale);
    // Marker k becomes the active one and goes to the sample, kept within the
    // recording. False when it stays where it was.
    bool MoveTo(int k, int sample, const CRecording& recording, const XScale& scale);

private:
    std::array<Marker, 2> markers_;
    int active_ = 0;
};

}  // namespace kadenzo
