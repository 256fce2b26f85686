#pragma once

#include <QGroupBox>
#include <QString>
#include <array>

#include "RecordingSummary.h"

class QLabel;
class QProgressBar;

namespace kadenzo {

// The marked section's time in the five heart-rate zones: one bar per zone in
// the zone's shade, as long as its time against the longest zone's, with its
// minutes written on it and the zone's name above it. Without a maximum heart
// rate one line says so instead.
class HeartRateZoneRow : public QGroupBox {
    Q_OBJECT
public:
    struct Texts {
        QString title;
        QString zoneName;   // %i, %i: the zone's lower and upper per cent
        QString minutes;    // %i: whole minutes
        QString noMaximum;  // the line shown without a maximum
    };
    HeartRateZoneRow(const Texts& texts, QWidget* parent = nullptr);

    void Show(const ZoneSeconds& seconds, int maxHeartRate);
    QProgressBar* Bar(int zone) const { return bars_[static_cast<std::size_t>(zone)]; }

private:
    Texts texts_;
    std::array<QLabel*, kHeartRateZones> names_{};
    std::array<QProgressBar*, kHeartRateZones> bars_{};
    QLabel* noMaximum_;
};

}  // namespace kadenzo
