#include "DiaryPrint.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <string>
#include <vector>

#include "Database.h"
#include "CalendarDays.h"
#include "DiaryQt.h"
#include "Formats.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "PrintFontSearch.h"
#include "PrintLayout.h"
#include "WorkoutLabels.h"

namespace kadenzo {
namespace {

const QColor kHeaderBand(192, 192, 192);
constexpr int kShadeBands = 20;

struct PrintedWorkout {
    QString label;
    std::uint32_t colour = 0;  // 0x00BBGGRR of the category
    int height = 0;
};

struct PrintedDay {
    int day = 0;
    std::vector<PrintedWorkout> workouts;
};

std::uint32_t CategoryColourOf(const CWorkOut& workout, const CLibrary& library) {
    const CLibWorkout* libraryWorkout = library.FindWorkout(workout.templateId);
    const CLibCategory* category =
        libraryWorkout ? library.FindCategory(libraryWorkout->categoryId) : nullptr;
    return category ? category->colour : 0xFFFFFFu;
}

// The log's workouts of the days [from, to], by date.
std::vector<CDatabase::ConstWorkoutPos> WorkoutsOfDays(const CDatabase& log, int from, int to) {
    if (from > to) return {};
    return log.WorkoutsBetween(static_cast<double>(from), static_cast<double>(to) + 1.0);
}

}  // namespace

std::optional<double> CDiaryPrintJob::LabelPointSize() const {
    if (!labelFont_) return std::nullopt;
    return labelFont_->pointSizeF();
}

void CDiaryPrintJob::Prepare() {
    labelFont_.reset();
    pagination_.Start(range_.firstDay, range_.lastDay);
}

bool CDiaryPrintJob::HasPage(int pageNumber) const {
    return pageNumber >= 1 && pageNumber <= pagination_.PageCount();
}

void CDiaryPrintJob::End() { labelFont_.reset(); }

void CDiaryPrintJob::ChooseLabelFont(QPainter& painter, int width, int height) {
    std::vector<std::string> labels;
    const LabelContext labelContext = LabelContextOf(document_);
    for (CDatabase::ConstWorkoutPos pos :
         WorkoutsOfDays(document_.Log(), range_.firstDay, range_.lastDay))
        labels.push_back(PrintLabel(FactsOf(**pos, labelContext), range_.labelMode));
    const QFontMetrics current(painter.font(), painter.device());
    const std::string widest = WidestLabelLine(labels, [&](const std::string& line) {
        return static_cast<double>(current.horizontalAdvance(FromBytes(line)));
    });
    const QString line = FromBytes(widest);
    QFont font(QStringLiteral("Arial"));
    const double points = ChooseLabelPointSize(
        [&](double size) {
            font.setPointSizeF(size);
            const QFontMetrics m(font, painter.device());
            return LineExtent{static_cast<double>(m.horizontalAdvance(line)),
                              static_cast<double>(m.height())};
        },
        width, height);
    font.setPointSizeF(points);
    labelFont_ = font;
}

void CDiaryPrintJob::PrintPage(QPainter& painter, const QPrinter&, int pageNumber,
                               const QRect& content) {
    const PrintGrid grid = ComputePrintGrid(content.width(), content.height());
    const int c = grid.column;
    const int p = grid.gap;
    const int labelWidth = std::max(1, c - 4 * p);
    if (!labelFont_) ChooseLabelFont(painter, labelWidth, grid.nominalRow - 4 * p);
    painter.setFont(*labelFont_);
    painter.setBackgroundMode(Qt::TransparentMode);
    const QFontMetrics metrics(*labelFont_, painter.device());
    const int h = static_cast<int>(
        1.3 *
        metrics.boundingRect(FormatDay(range_.firstDay, "%d. %b. %y", document_.Context().Texts()))
            .height());

    // The labels of one week's days, measured for the column width.
    const LabelContext labelContext = LabelContextOf(document_);
    auto weekOf = [&](int monday) {
        std::vector<PrintedDay> days(7);
        for (int j = 0; j < 7; ++j) days[static_cast<std::size_t>(j)].day = monday + j;
        const int from = std::max(monday, range_.firstDay);
        const int to = std::min(monday + 6, range_.lastDay);
        for (CDatabase::ConstWorkoutPos pos : WorkoutsOfDays(document_.Log(), from, to)) {
            const CWorkOut& workout = **pos;
            const int j = std::clamp(DayNumber(workout.date) - monday, 0, 6);
            PrintedWorkout printed;
            printed.label = FromBytes(PrintLabel(FactsOf(workout, labelContext), range_.labelMode));
            printed.colour = CategoryColourOf(workout, document_.Library());
            printed.height =
                metrics
                    .boundingRect(QRect(0, 0, labelWidth, 1 << 20), Qt::TextWordWrap, printed.label)
                    .height();
            days[static_cast<std::size_t>(j)].workouts.push_back(std::move(printed));
        }
        return days;
    };
    auto heightOf = [&](const std::vector<PrintedDay>& days) {
        int height = grid.nominalRow;
        for (const PrintedDay& day : days) {
            int dayHeight = h + p;
            for (const PrintedWorkout& w : day.workouts) dayHeight += w.height + 2 * p;
            height = std::max(height, dayHeight);
        }
        return height;
    };

    const auto weeks =
        pagination_.LayOutPage(pageNumber, content.top(), content.top() + content.height(), p,
                               [&](int monday) { return heightOf(weekOf(monday)); });
    for (const DiaryPagination::PlacedWeek& week : weeks) {
        const std::vector<PrintedDay> days = weekOf(week.monday);
        for (int j = 0; j < 7; ++j) {
            const PrintedDay& day = days[static_cast<std::size_t>(j)];
            if (day.day < range_.firstDay) continue;
            const int x = content.left() + j * (c + p);
            const QRect box(x, week.top, c, week.height);
            const QRect header(x, week.top, c, h);
            painter.fillRect(header, kHeaderBand);
            painter.setPen(QPen(Qt::black, 2));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(box);
            painter.drawLine(header.bottomLeft(), header.bottomRight());
            painter.drawText(header.adjusted(0, 0, -p, 0),
                             Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                             FormatDay(day.day, "%d.%b.%Y", document_.Context().Texts()));

            int y = week.top + h + p;
            for (std::size_t i = 0; i < day.workouts.size(); ++i) {
                const PrintedWorkout& w = day.workouts[i];
                if (i > 0) {
                    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
                    painter.drawLine(x + p, y - p, x + c - p, y - p);
                }
                // The colour bar: the category colour fading to white in bands.
                const int barLeft = x + p;
                const int barWidth = std::max(1, 3 * p / 2);
                for (int band = 0; band < kShadeBands; ++band) {
                    const int top = y + w.height * band / kShadeBands;
                    const int bottom = y + w.height * (band + 1) / kShadeBands;
                    painter.fillRect(QRect(barLeft, top, barWidth, bottom - top),
                                     ColourFromRef(ShadeColour(w.colour, -5 * band)));
                }
                painter.setPen(Qt::black);
                painter.drawText(QRect(x + 3 * p, y, labelWidth, w.height), Qt::TextWordWrap,
                                 w.label);
                y += w.height + 2 * p;
            }
        }
    }
}

}  // namespace kadenzo
