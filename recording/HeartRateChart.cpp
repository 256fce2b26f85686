#include "HeartRateChart.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include "ResourceIds.h"

namespace kadenzo {

CHeartRateChart::CHeartRateChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QString::number(IDC_IMPORT_CHART));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 140);
    for (HeldKey* key : {&left_, &right_}) {
        key->timer.setSingleShot(false);
        connect(&key->timer, &QTimer::timeout, this, [this, key] {
            key->timer.setInterval(kKeyRepeatMs);
            StepActiveMarker(key->direction);
        });
    }
    left_.direction = -1;
    right_.direction = 1;
}

void CHeartRateChart::SetRecording(const CRecording* recording) {
    recording_ = recording;
    const int count = recording ? recording->count() : 0;
    for (int c = 0; c < kChannelCount; ++c) {
        for (int i = 0; i < count && !visible_[c]; ++i)
            visible_[c] = recording->samples[i].Channel(c) != 0;
    }
    markers_.Reset(count);
    Relayout();
}

void CHeartRateChart::SetChannelVisible(int c, bool on) {
    if (c < 0 || c >= kChartSlotCount || visible_[c] == on) return;
    visible_[c] = on;
    Relayout();
}

void CHeartRateChart::SetChannels(const std::array<bool, kChartSlotCount>& visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Relayout();
}

bool CHeartRateChart::ChannelVisible(int c) const {
    return c >= 0 && c < kChartSlotCount && visible_[c];
}

void CHeartRateChart::SetMode(std::uint32_t mode) {
    mode_ = mode;
    Relayout();
}

void CHeartRateChart::SetShowSampleTexts(bool on) {
    sampleTexts_ = on;
    Refresh();
}

void CHeartRateChart::SetDistanceUnit(const QString& label) {
    distanceUnit_ = label;
    Refresh();
}

int CHeartRateChart::GetMarker(int k) const { return markers_[k == 0 ? 0 : 1].sample; }

void CHeartRateChart::SetMarkers(int first, int second) {
    markers_.Set(first, second, recording_ ? recording_->count() : 0);
    if (recording_) markers_.Place(*recording_, frame_.scale);
    update();
    emit markersChanged();
}

void CHeartRateChart::SetMarkerNames(const QString& first, const QString& second) {
    markerNames_ = {first, second};
}

void CHeartRateChart::Refresh() {
    picture_ = QPixmap();
    update();
}

QRect CHeartRateChart::PlotRect() const { return ToQRect(frame_.layout.plot); }

void CHeartRateChart::Relayout() {
    const int last = recording_ ? recording_->count() - 1 : -1;
    frame_ = MakeChartFrame(recording_, visible_, mode_, 0, last, size());
    if (recording_) markers_.Place(*recording_, frame_.scale);
    Refresh();
}

void CHeartRateChart::resizeEvent(QResizeEvent*) { Relayout(); }

void CHeartRateChart::paintEvent(QPaintEvent* event) {
    if (picture_.isNull() || picture_.size() != size() * devicePixelRatioF()) {
        picture_ = QPixmap(size() * devicePixelRatioF());
        picture_.setDevicePixelRatio(devicePixelRatioF());
        QPainter painter(&picture_);
        ChartPaintOptions options;
        options.sampleTexts = sampleTexts_;
        options.distanceUnit = distanceUnit_;
        options.palette = palette();
        PaintChartPicture(painter, size(), recording_, frame_, options);
    }
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.drawPixmap(0, 0, picture_);
    if (!HasData()) return;
    for (int k = 0; k < 2; ++k) {
        const int sample = markers_[k].sample;
        const bool hasText = sample >= 0 && sample < recording_->count() &&
                             recording_->samples[sample].text.has_value();
        PaintMarker(painter, frame_, markers_[k].pixel, hasText);
    }
    // The marker the keys move, framed while the chart has the focus.
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = QRect(markers_[markers_.Active()].pixel - 2, frame_.layout.plot.top, 5,
                           frame_.layout.plot.bottom - frame_.layout.plot.top);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void CHeartRateChart::UpdateMarkerStrip(int pixel) { update(QRect(pixel - 2, 0, 5, height())); }

void CHeartRateChart::UpdateCursor() {
    setCursor(markers_.AnyGrabbed() ? Qt::SizeHorCursor : Qt::ArrowCursor);
}

void CHeartRateChart::mouseMoveEvent(QMouseEvent* event) {
    if (!HasData()) return;
    const bool leftButton = (event->buttons() & Qt::LeftButton) != 0;
    const ChartMarkers::MouseOutcome outcome =
        markers_.MouseMove(event->position().toPoint().x(), leftButton, *recording_, frame_.scale,
                           frame_.layout.plot.right);
    UpdateCursor();
    if (outcome.moved < 0) return;
    setFocus(Qt::MouseFocusReason);
    UpdateMarkerStrip(outcome.oldPixel);
    UpdateMarkerStrip(markers_[outcome.moved].pixel);
    if (outcome.changed) emit markersChanged();
}

void CHeartRateChart::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) setFocus(Qt::MouseFocusReason);
    UpdateCursor();
}

void CHeartRateChart::leaveEvent(QEvent*) {
    markers_.LetGo();
    UpdateCursor();
}

CHeartRateChart::HeldKey* CHeartRateChart::HeldFor(int key) {
    if (key == Qt::Key_Left) return &left_;
    if (key == Qt::Key_Right) return &right_;
    return nullptr;
}

void CHeartRateChart::keyPressEvent(QKeyEvent* event) {
    shift_ = (event->modifiers() & Qt::ShiftModifier) != 0 || event->key() == Qt::Key_Shift;
    HeldKey* key = HeldFor(event->key());
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    // The platform's own repeat is replaced by ours: a first step after
    // kKeyDelayMs, then one every kKeyRepeatMs.
    if (!event->isAutoRepeat() && !key->down) {
        key->down = true;
        key->timer.start(kKeyDelayMs);
    }
    event->accept();
}

void CHeartRateChart::keyReleaseEvent(QKeyEvent* event) {
    shift_ = (event->modifiers() & Qt::ShiftModifier) != 0 && event->key() != Qt::Key_Shift;
    HeldKey* key = HeldFor(event->key());
    if (!key) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && key->down) {
        key->timer.stop();
        key->down = false;
        StepActiveMarker(key->direction);
    }
    event->accept();
}

void CHeartRateChart::focusOutEvent(QFocusEvent* event) {
    for (HeldKey* key : {&left_, &right_}) {
        key->timer.stop();
        key->down = false;
    }
    QWidget::focusOutEvent(event);
    UpdateMarkerStrip(markers_[markers_.Active()].pixel);
}

void CHeartRateChart::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Tab comes to the start marker first, Shift+Tab to the end marker.
    if (event->reason() == Qt::TabFocusReason) SetActiveMarker(0);
    if (event->reason() == Qt::BacktabFocusReason) SetActiveMarker(1);
    UpdateMarkerStrip(markers_[markers_.Active()].pixel);
    // Told once the event loop is back: Qt tells of the chart itself after
    // this, and a screen reader should end on the marker.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus()) emit activeMarkerChanged();
    });
}

bool CHeartRateChart::focusNextPrevChild(bool next) {
    // Each marker is a stop of its own: Tab goes from the start marker to the
    // end marker before it leaves the chart, Shift+Tab the other way.
    if (HasData() && hasFocus() && markers_.Active() == (next ? 0 : 1)) {
        SetActiveMarker(next ? 1 : 0);
        emit activeMarkerChanged();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void CHeartRateChart::SetActiveMarker(int k) {
    UpdateMarkerStrip(markers_[markers_.Active()].pixel);
    markers_.SetActive(k);
    UpdateMarkerStrip(markers_[markers_.Active()].pixel);
}

void CHeartRateChart::StepActiveMarker(int direction) {
    if (!HasData()) return;
    const int k = markers_.Active();
    const int oldPixel = markers_[k].pixel;
    if (markers_.Step(direction, shift_, *recording_, frame_.scale)) MarkerMoved(k, oldPixel);
}

void CHeartRateChart::MoveMarker(int k, int sample) {
    if (!HasData()) return;
    const int oldPixel = markers_[k == 0 ? 0 : 1].pixel;
    if (markers_.MoveTo(k, sample, *recording_, frame_.scale)) MarkerMoved(k == 0 ? 0 : 1, oldPixel);
}

void CHeartRateChart::MarkerMoved(int k, int oldPixel) {
    UpdateMarkerStrip(oldPixel);
    UpdateMarkerStrip(markers_[k].pixel);
    emit markersChanged();
}

}  // namespace kadenzo
