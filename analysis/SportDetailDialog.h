#pragma once

#include <QDialog>
#include <cstdint>

#include "SportStatistics.h"
#include "Texts.h"

class QButtonGroup;

namespace kadenzo {

class CKadenzoDoc;
class CStatisticsList;
struct UnitSettings;

// Sport detail (template 222): one sport's workouts between two days broken
// down by category, sub-sport or workout template (radio buttons 1045 to
// 1047), with the same figures as the sport statistics.
class CSportDetailDialog : public QDialog {
    Q_OBJECT

public:
    CSportDetailDialog(CKadenzoDoc& document, const UnitSettings& units, SortState& sort,
                       int fromDay, int toDay, std::uint32_t sportId, QWidget* parent = nullptr);

    void SetBreakdown(DetailBreakdown breakdown);
    DetailBreakdown Breakdown() const;
    CStatisticsList* List() const { return list_; }

private:
    void Recompute();

    CKadenzoDoc& document_;
    TextService texts_;
    int fromDay_;
    int toDay_;
    std::uint32_t sportId_;
    QButtonGroup* breakdown_;
    CStatisticsList* list_;
};

}  // namespace kadenzo
