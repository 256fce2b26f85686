#pragma once

#include <QFont>
#include <optional>

#include "PrintJob.h"
#include "PrintPagination.h"

namespace kadenzo {

class CKadenzoDoc;

// The part of the log the printed diary shows, as the print range dialog sets it.
struct DiaryPrintRange {
    enum Mode : int {
        kFollowDisplay = 0,  // the four weeks on the screen
        kFixed = 1,          // chosen by the user; moving the diary keeps it
    };
    int firstDay = 0;  // day numbers, inclusive
    int lastDay = 0;
    int rangeMode = kFollowDisplay;
    int labelMode = 0;  // PrintLabelMode
};

// The printed diary: weeks of seven day columns, each day with its workouts'
// printed labels beside a colour bar of the category. A week is as tall as its
// fullest day (at least a quarter of the page); weeks that do not fit start a
// new page. The label font is chosen once per job so that the widest label
// line fits a column.
class CDiaryPrintJob : public PrintJob {
public:
    explicit CDiaryPrintJob(const CKadenzoDoc& document) : document_(document) {}

    void SetRange(const DiaryPrintRange& range) { range_ = range; }
    const DiaryPrintRange& Range() const { return range_; }
    int PageCount() const { return pagination_.PageCount(); }
    // The label font's size once chosen (for tests and the status line).
    std::optional<double> LabelPointSize() const;

    void Prepare() override;
    bool HasPage(int pageNumber) const override;
    void PrintPage(QPainter& painter, const QPrinter& printer, int pageNumber,
                   const QRect& content) override;
    void End() override;

private:
    void ChooseLabelFont(QPainter& painter, int width, int height);

    const CKadenzoDoc& document_;
    DiaryPrintRange range_;
    DiaryPagination pagination_;
    std::optional<QFont> labelFont_;
};

}  // namespace kadenzo
