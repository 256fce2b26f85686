#include "FormLegendPanel.h"

#include <QGridLayout>
#include <QPainter>
#include <QVBoxLayout>

#include "FormChartPainter.h"

namespace kadenzo {
namespace {

constexpr int kKeyColumns = 3;

// The key's room at the left of a label, in lines of text.
constexpr double kKeyWidth = 2.0;
constexpr double kKeyGap = 0.5;

}  // namespace

CFormLegendLabel::CFormLegendLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void CFormLegendLabel::SetLine(const FormLegendLine& line) {
    const bool keyChanged =
        line.key != line_.key || line.colour != line_.colour || line.blocked != line_.blocked;
    line_ = line;
    QFont bold = font();
    bold.setBold(line.warning || line.strong);
    setFont(bold);
    QPalette colours = palette();
    colours.setColor(
        QPalette::WindowText,
        line.warning ? FormWarningColour() : parentWidget()->palette().color(QPalette::WindowText));
    setPalette(colours);
    const int lineHeight = fontMetrics().height();
    setContentsMargins(line.key == FormLegendLine::kNone
                           ? 0
                           : static_cast<int>(lineHeight * (kKeyWidth + kKeyGap)),
                       0, 0, 0);
    if (text() != line.text) setText(line.text);
    if (keyChanged) update();
}

void CFormLegendLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (line_.key == FormLegendLine::kNone) return;
    QPainter painter(this);
    const double height = fontMetrics().height();
    DrawFormLegendKey(painter, QRectF(0, height * 0.2, height * kKeyWidth, height * 0.6), line_,
                      std::max(1.0, height / 14));
}

CFormLegendPanel::CFormLegendPanel(QWidget* parent)
    : QWidget(parent), factsLayout_(new QVBoxLayout), keysLayout_(new QGridLayout) {
    setObjectName(QStringLiteral("FormLegend"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    factsLayout_->setSpacing(2);
    keysLayout_->setHorizontalSpacing(fontMetrics().height());
    keysLayout_->setVerticalSpacing(2);
    layout->addLayout(factsLayout_);
    layout->addLayout(keysLayout_);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
}

void CFormLegendPanel::SetLines(const std::vector<FormLegendLine>& facts,
                                const std::vector<FormLegendLine>& keys) {
    while (facts_.size() > facts.size()) {
        delete facts_.back();
        facts_.pop_back();
    }
    while (facts_.size() < facts.size()) {
        facts_.push_back(new CFormLegendLabel(this));
        factsLayout_->addWidget(facts_.back());
    }
    for (std::size_t i = 0; i < facts.size(); ++i) facts_[i]->SetLine(facts[i]);

    // The keys' places in the columns follow their number.
    if (keys_.size() != keys.size()) {
        for (CFormLegendLabel* label : keys_) delete label;
        keys_.clear();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            keys_.push_back(new CFormLegendLabel(this));
            keysLayout_->addWidget(keys_.back(), static_cast<int>(i / kKeyColumns),
                                   static_cast<int>(i % kKeyColumns));
        }
        for (int column = 0; column < kKeyColumns; ++column)
            keysLayout_->setColumnStretch(column, 1);
    }
    for (std::size_t i = 0; i < keys.size(); ++i) keys_[i]->SetLine(keys[i]);
}

}  // namespace kadenzo
