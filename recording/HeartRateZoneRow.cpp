#include "HeartRateZoneRow.h"

#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <algorithm>
#include <cmath>
#include <limits>

#include "Texts.h"

namespace kadenzo {
namespace {

// From easy to hard, as training logs and watches colour the zones.
constexpr QRgb kZoneShades[kHeartRateZones] = {0xA8A8A8, 0x5B9BD5, 0x70B859, 0xF0A33C, 0xDC5A4F};

}  // namespace

HeartRateZoneRow::HeartRateZoneRow(const Texts& texts, QWidget* parent)
    : QGroupBox(texts.title, parent), texts_(texts) {
    auto* grid = new QGridLayout(this);
    for (int zone = 0; zone < kHeartRateZones; ++zone) {
        const QString name = FormatText(texts_.zoneName, {50 + 10 * zone, 60 + 10 * zone});
        auto* label = new QLabel(name, this);
        label->setAlignment(Qt::AlignCenter);
        auto* bar = new QProgressBar(this);
        bar->setAccessibleName(name);
        // A stop of Tab, so that the keyboard reads each zone's minutes.
        bar->setFocusPolicy(Qt::TabFocus);
        bar->setAlignment(Qt::AlignCenter);
        bar->setTextVisible(true);
        QPalette palette = bar->palette();
        palette.setColor(QPalette::Highlight, QColor(kZoneShades[zone]));
        palette.setColor(QPalette::HighlightedText, Qt::black);
        bar->setPalette(palette);
        label->setBuddy(bar);
        grid->addWidget(label, 0, zone);
        grid->addWidget(bar, 1, zone);
        grid->setColumnStretch(zone, 1);
        names_[static_cast<std::size_t>(zone)] = label;
        bars_[static_cast<std::size_t>(zone)] = bar;
    }
    noMaximum_ = new QLabel(texts_.noMaximum, this);
    noMaximum_->setWordWrap(true);
    grid->addWidget(noMaximum_, 2, 0, 1, kHeartRateZones);
}

void HeartRateZoneRow::Show(const ZoneSeconds& seconds, int maxHeartRate) {
    const bool known = maxHeartRate > 0;
    // In whole minutes, as the bars are labelled; the longest zone fills its
    // bar, so that a short section's bars still compare.
    std::array<int, kHeartRateZones> minutes{};
    for (std::size_t zone = 0; zone < seconds.size(); ++zone)
        minutes[zone] = static_cast<int>(
            std::clamp<double>(std::round(seconds[zone] / 60), 0, std::numeric_limits<int>::max()));
    const int longest = *std::max_element(minutes.begin(), minutes.end());
    for (std::size_t zone = 0; zone < seconds.size(); ++zone) {
        QProgressBar* bar = bars_[zone];
        const QString text = FormatText(texts_.minutes, {minutes[zone]});
        bar->setRange(0, std::max(longest, 1));
        bar->setValue(minutes[zone]);
        bar->setFormat(text);
        // A screen reader hears the bare number as the value, the unit here.
        bar->setAccessibleDescription(text);
        bar->setVisible(known);
        names_[zone]->setVisible(known);
    }
    noMaximum_->setVisible(!known);
}

}  // namespace kadenzo
