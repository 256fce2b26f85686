#pragma once

#include <QLabel>
#include <QWidget>
#include <vector>

#include "FormChart.h"

class QGridLayout;
class QVBoxLayout;

namespace kadenzo {

// One line of the legend on the screen: its text, wrapped whole, after its
// key (drawn in the label's left margin). Plain text: a race's name is never
// read as markup.
class CFormLegendLabel : public QLabel {
    Q_OBJECT
public:
    explicit CFormLegendLabel(QWidget* parent = nullptr);
    void SetLine(const FormLegendLine& line);
    const FormLegendLine& Line() const { return line_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FormLegendLine line_;
};

// The form view's legend below the chart: the facts a line each (the next
// race first, warnings in red), then the keys of the lines, shades, bands and
// flags in columns. Every line is a label of its own, so a screen reader
// reads the legend as text; labels are kept and their texts changed where
// the number of lines stays, as the plan is edited.
class CFormLegendPanel : public QWidget {
    Q_OBJECT
public:
    explicit CFormLegendPanel(QWidget* parent = nullptr);

    void SetLines(const std::vector<FormLegendLine>& facts,
                  const std::vector<FormLegendLine>& keys);
    const std::vector<CFormLegendLabel*>& Facts() const { return facts_; }
    const std::vector<CFormLegendLabel*>& Keys() const { return keys_; }

private:
    QVBoxLayout* factsLayout_;
    QGridLayout* keysLayout_;
    std::vector<CFormLegendLabel*> facts_;
    std::vector<CFormLegendLabel*> keys_;
};

}  // namespace kadenzo
