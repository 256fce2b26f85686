// Painting of a day panel: header, body, arrows, gaps, workout boxes and the
// cross of a blocked day.
#include <qdrawutil.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QPolygon>
#include <cmath>

#include "DayPanel.h"
#include "DiaryQt.h"
#include "Drawing.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "Texts.h"
#include "WorkoutBoxPainter.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

QPolygon Triangle(const std::array<DiaryPoint, 3>& points) {
    QPolygon polygon;
    for (const DiaryPoint& p : points) polygon << QPoint(p.x, p.y);
    return polygon;
}

QColor CategoryColour(const CWorkOut& workout, const CLibrary& library) {
    const CLibWorkout* libraryWorkout = library.FindWorkout(workout.templateId);
    const CLibCategory* category =
        libraryWorkout ? library.FindCategory(libraryWorkout->categoryId) : nullptr;
    return category ? ColourFromRef(category->colour) : QColor(Qt::white);
}

}  // namespace

void CDayPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(font());
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(Qt::black);

    const DayPanelGeometry g = Geometry();
    const QColor light = palette().color(QPalette::Midlight);
    const QColor background = ColourFromRef(background_);

    // The selected day's header takes the selection colour.
    const bool selectedDay = selection_.day == date_;
    const QColor header = selectedDay ? palette().color(QPalette::Highlight) : light;
    painter.setBrush(header);
    FrameFill(painter, ToQRect(g.header));
    if (selectedDay) painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawText(HeaderTextBox(), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                     HeaderText());
    painter.setPen(Qt::black);

    painter.setBrush(background);
    FrameFill(painter, ToQRect(g.body));

    if (!canScrollUp_ && !canScrollDown_) {
        painter.fillRect(ToQRect(g.arrowBackground), header);
    } else {
        painter.setPen(Qt::NoPen);
        painter.setBrush(canScrollUp_ ? QColor(Qt::black) : QColor(Qt::gray));
        painter.drawPolygon(Triangle(g.upTriangle));
        painter.setBrush(canScrollDown_ ? QColor(Qt::black) : QColor(Qt::gray));
        painter.drawPolygon(Triangle(g.downTriangle));
        painter.setPen(Qt::black);
    }

    for (std::size_t i = 0; i < g.gapBoxes.size(); ++i) {
        const QRect gap = ToQRect(g.gapBoxes[i]);
        if (gapMarks_[i]) {
            const int y = gap.top() + gap.height() / 2;
            painter.drawLine(gap.left() + 2, y, gap.left() + gap.width() - 2, y);
        } else {
            painter.fillRect(gap, background);
        }
    }

    const CLibrary& library = document_.Library();
    const LabelContext labels = LabelContextOf(document_);
    const LanguageModule* module = TextService(document_.Context()).Module();
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const QRect slot = ToQRect(g.slotBoxes[i]);
        if (!slots_[i]) {
            painter.fillRect(slot, background);
            continue;
        }
        const CWorkOut& workout = ***slots_[i];
        const QRect box = slot.adjusted(2, 0, -2, 0);
        qDrawShadeRect(&painter, box, palette(), hot_[i], 1, 0);
        const QRect inner = box.adjusted(2, 2, -1, -1);
        painter.fillRect(inner, CategoryColour(workout, library));
        PaintWorkoutBox(painter, inner,
                        LayOutWorkoutBox(painter.fontMetrics(), inner, FactsOf(workout, labels),
                                         library.FindSport(workout.sportId), date_, labels.today),
                        module);
        if (selection_.workout != 0 && document_.Log().HandleOf(*slots_[i]) == selection_.workout) {
            painter.save();
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRectF(box).adjusted(1, 1, -1, -1));
            painter.restore();
        }
    }

    if (blocked_) {
        const QRect body = ToQRect(g.body);
        painter.setPen(QPen(Qt::red, 2));
        painter.drawLine(body.topLeft(), body.bottomRight());
        painter.drawLine(body.bottomLeft(), body.topRight());
    }
}

std::optional<WorkoutBoxLayout> CDayPanel::BoxLayout(int slot) const {
    if (slot < 0 || slot > 1 || !slots_[static_cast<std::size_t>(slot)]) return std::nullopt;
    const CWorkOut& workout = ***slots_[static_cast<std::size_t>(slot)];
    const QRect inner =
        ToQRect(Geometry().slotBoxes[static_cast<std::size_t>(slot)]).adjusted(4, 2, -3, -1);
    const LabelContext labels = LabelContextOf(document_);
    return LayOutWorkoutBox(fontMetrics(), inner, FactsOf(workout, labels),
                            document_.Library().FindSport(workout.sportId), date_, labels.today);
}

QRect CDayPanel::HeaderTextBox() const {
    const DayPanelGeometry g = Geometry();
    // Right of the arrows, which cover the header's left end.
    const int left = g.arrowBackground.right + 2;
    return ToQRect(g.header).adjusted(left, 0, -3, 0);
}

QString CDayPanel::HeaderText() const {
    const QFontMetricsF metrics(font());
    const TextWidthOf widthOf = [&metrics](const std::string& text) {
        return static_cast<int>(std::ceil(metrics.horizontalAdvance(FromBytes(text))));
    };
    // Longest first; the weekday goes before the month.
    const StringTable& texts = document_.Context().Texts();
    const std::vector<std::string> forms{ToBytes(FormatDay(date_, "%a, %d. %b.", texts)),
                                         ToBytes(FormatDay(date_, "%d. %b.", texts)),
                                         ToBytes(FormatDay(date_, "%d.", texts))};
    return FromBytes(FitDayHeader(bodyData_, forms, HeaderTextBox().width(), widthOf));
}

QString CDayPanel::LabelText(CDatabase::ConstWorkoutPos workout) const {
    const LabelContext labels = LabelContextOf(document_);
    const LabelFacts facts = FactsOf(**workout, labels);
    return FromBytes(ScreenTitle(facts)) + QStringLiteral(", ") +
           FromBytes(ScreenDetail(facts, date_, labels.today));
}

QPixmap CDayPanel::BoxPicture(int slot) {
    if (slot < 0 || slot > 1) return {};
    return grab(
        ToQRect(Geometry().slotBoxes[static_cast<std::size_t>(slot)]).adjusted(2, 0, -2, 0));
}

}  // namespace kadenzo
