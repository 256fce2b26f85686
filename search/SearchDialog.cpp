#include "SearchDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <utility>

#include "DateField.h"
#include "ControlId.h"
#include "CoreText.h"
#include "DateTime.h"
#include "Formats.h"
#include "KadenzoDoc.h"
#include "ResourceIds.h"
#include "SpokenChoice.h"
#include "SpokenText.h"
#include "Texts.h"
#include "WorkoutSearch.h"

namespace kadenzo {
namespace {

// Texts of the dialog in the language modules.
constexpr std::uint32_t kSearchTitle = 34420;
constexpr std::uint32_t kPropertyLabel = 34421;
constexpr std::uint32_t kOperatorLabel = 34422;
constexpr std::uint32_t kValueLabel = 34423;
constexpr std::uint32_t kAdd = 34424;
constexpr std::uint32_t kRemove = 34425;
constexpr std::uint32_t kSearch = 34426;
constexpr std::uint32_t kSection = 34427;

constexpr int kCriterionRole = Qt::UserRole;

QDate DateOfDay(int dayNumber) { return QDate(1899, 12, 30).addDays(dayNumber); }

int DayOfDate(const QDate& date) { return static_cast<int>(QDate(1899, 12, 30).daysTo(date)); }

QPushButton* Button(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    SetControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

CWorkoutSearchDialog::CWorkoutSearchDialog(CKadenzoDoc& doc, ShowSearchResults showResults,
                                           QWidget* parent)
    : QDialog(parent), doc_(doc), texts_(doc.Context()), showResults_(std::move(showResults)) {
    setWindowTitle(texts_.Text(kSearchTitle));
    SetControlId(this, IDD_WORKOUT_SEARCH);

    property_ = new QComboBox(this);
    SetControlId(property_, IDC_SEARCH_PROPERTY);
    for (std::size_t i = 0; i < SearchProperties().size(); ++i)
        property_->addItem(texts_.Text(SearchProperties()[i].textId), static_cast<int>(i));
    property_->setCurrentIndex(-1);
    operator_ = new QComboBox(this);
    SetControlId(operator_, IDC_SEARCH_OPERATOR);
    operator_->hide();

    list_ = new QTreeWidget(this);
    SetControlId(list_, IDC_SEARCH_CRITERIA);
    list_->setAccessibleName(windowTitle());
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setAllColumnsShowFocus(true);
    list_->setHeaderLabels({texts_.Text(IDS_COL_PROPERTY), texts_.Text(IDS_COL_COMPARISON),
                            texts_.Text(IDS_COL_VALUE)});
    list_->header()->resizeSection(0, 200);
    list_->header()->resizeSection(1, 100);
    list_->header()->resizeSection(2, 200);

    section_ = new QCheckBox(texts_.Text(kSection), this);
    SetControlId(section_, IDC_SEARCH_SECTION);
    section_->setChecked(true);

    add_ = Button(texts_.Text(kAdd), IDC_SEARCH_ADD, this);
    auto* add = add_;
    auto* remove = Button(texts_.Text(kRemove), IDC_SEARCH_REMOVE, this);
    auto* search = Button(texts_.Text(kSearch), IDC_SEARCH_SEARCH, this);
    search->setDefault(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);

    controls_ = new QGridLayout;
    auto* controls = controls_;
    const std::pair<std::uint32_t, QWidget*> labels[] = {
        {kPropertyLabel, property_}, {kOperatorLabel, operator_}, {kValueLabel, nullptr}};
    for (int column = 0; column < 3; ++column) {
        auto* label = new QLabel(texts_.Text(labels[column].first), this);
        label->setBuddy(labels[column].second);
        controls->addWidget(label, 0, column);
        if (column == 2) valueLabel_ = label;
    }
    controls->addWidget(property_, 1, 0);
    controls->addWidget(operator_, 1, 1);
    controls->addWidget(add, 1, 3);
    controls->setColumnStretch(2, 1);
    controls->setColumnMinimumWidth(2, 200);
    auto* listButtons = new QVBoxLayout;
    listButtons->addWidget(remove);
    listButtons->addStretch();
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 1);
    middle->addLayout(listButtons);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(section_, 1);
    bottom->addWidget(search);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(middle, 1);
    layout->addLayout(bottom);

    // Tab goes along the criterion and Add, then the list and its button,
    // then the search (the value field, made for the property, joins after
    // the comparison).
    setTabOrder(property_, operator_);
    setTabOrder(operator_, add);
    setTabOrder(add, list_);
    setTabOrder(list_, remove);
    setTabOrder(remove, section_);
    setTabOrder(section_, search);
    setTabOrder(search, buttons);
    connect(property_, &QComboBox::activated, this, [this] { OnPropertyChanged(); });
    connect(add, &QPushButton::clicked, this, &CWorkoutSearchDialog::OnAdd);
    connect(remove, &QPushButton::clicked, this, &CWorkoutSearchDialog::OnRemove);
    connect(search, &QPushButton::clicked, this, &CWorkoutSearchDialog::OnSearch);
    connect(list_, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OnRowDoubleClicked(item); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(620, 360);
}

const SearchPropertyInfo* CWorkoutSearchDialog::ChosenProperty() const {
    const int index = property_->currentIndex();
    if (index < 0) return nullptr;
    return &SearchProperties()[static_cast<std::size_t>(property_->itemData(index).toInt())];
}

void CWorkoutSearchDialog::OnPropertyChanged() {
    delete value_;
    value_ = nullptr;
    const SearchPropertyInfo* info = ChosenProperty();
    operator_->clear();
    if (!info) {
        operator_->hide();
        valueLabel_->setBuddy(nullptr);
        return;
    }
    switch (info->type) {
        case SearchValueType::Date: {
            auto* date = new CDateField(DateOfDay(doc_.Context().Today()), this);
            date->setCalendarPopup(true);
            date->setDisplayFormat(QString::fromLatin1(kDatePickerFormat));
            value_ = date;
            break;
        }
        case SearchValueType::Text:
        case SearchValueType::Number:
            value_ = new QLineEdit(this);
            break;
        case SearchValueType::LibraryItem: {
            auto* items = new QComboBox(this);
            ReadChoicesAloud(items);
            items->addItem(QStringLiteral("< ------ >"), 0u);
            SetSpokenText(items, 0, FromBytes(SpokenText("< ------ >", doc_.Context().Texts())));
            for (const SearchItemChoice& choice : SearchItemChoices(info->items, doc_.Library()))
                items->addItem(FromBytes(choice.name), choice.id);
            value_ = items;
            break;
        }
    }
    SetControlId(value_, IDC_SEARCH_VALUE);
    // The field is made for the property: its label (Alt+V) and its place in
    // the Tab order, after the comparison and before Add, follow it.
    value_->setAccessibleName(texts_.Text(kValueLabel).remove(QLatin1Char('&')));
    valueLabel_->setBuddy(value_);
    controls_->addWidget(value_, 1, 2);
    setTabOrder(operator_, value_);
    setTabOrder(value_, add_);
    for (SearchOperator op : OperatorsFor(info->type))
        operator_->addItem(texts_.Text(OperatorTextId(op)), static_cast<int>(op));
    operator_->setCurrentIndex(0);
    operator_->show();
}

std::optional<SearchCriterion> CWorkoutSearchDialog::CriterionFromControls() const {
    const SearchPropertyInfo* info = ChosenProperty();
    if (!info || !value_ || operator_->currentIndex() < 0) return std::nullopt;
    const auto op = static_cast<SearchOperator>(operator_->currentData().toInt());
    switch (info->type) {
        case SearchValueType::Date:
            return DateCriterion(info->property, op,
                                 DayOfDate(static_cast<QDateEdit*>(value_)->date()));
        case SearchValueType::Text:
        case SearchValueType::Number:
            return TypedCriterion(
                info->property, op,
                ToBytes(static_cast<QLineEdit*>(value_)->text()));
        case SearchValueType::LibraryItem: {
            const auto* items = static_cast<QComboBox*>(value_);
            return ItemCriterion(info->property, op, items->currentData().toUInt(),
                                 ToBytes(items->currentText()));
        }
    }
    return std::nullopt;
}

void CWorkoutSearchDialog::FillRow(QTreeWidgetItem* item, const SearchCriterion& criterion) {
    item->setText(0, texts_.Text(InfoOf(criterion.property).textId));
    item->setText(1, texts_.Text(OperatorTextId(criterion.op)));
    item->setText(2, FromBytes(criterion.display));
}

void CWorkoutSearchDialog::OnAdd() {
    const std::optional<SearchCriterion> criterion = CriterionFromControls();
    if (!criterion) return;
    const std::size_t index = criteria_.Add(*criterion);
    auto* item = new QTreeWidgetItem(list_);
    item->setData(0, kCriterionRole, static_cast<qulonglong>(index));
    FillRow(item, *criterion);
    list_->clearSelection();
    list_->setCurrentItem(item);
    item->setSelected(true);
}

void CWorkoutSearchDialog::OnRemove() {
    QTreeWidgetItem* item = list_->currentItem();
    if (!item || !item->isSelected()) return;
    const int row = list_->indexOfTopLevelItem(item);
    criteria_.Remove(static_cast<std::size_t>(row));
    delete item;
    // Rows after the removed one move up by one.
    for (int r = row; r < list_->topLevelItemCount(); ++r)
        list_->topLevelItem(r)->setData(0, kCriterionRole, static_cast<qulonglong>(r));
    ClearControls();
}

void CWorkoutSearchDialog::ClearControls() {
    property_->setCurrentIndex(-1);
    OnPropertyChanged();
}

void CWorkoutSearchDialog::UpdateCurrentFromControls() {
    const std::optional<std::size_t> current = criteria_.Current();
    const std::optional<SearchCriterion> criterion = CriterionFromControls();
    if (!current || !criterion) return;
    criteria_.UpdateCurrent(*criterion);
    FillRow(list_->topLevelItem(static_cast<int>(*current)), *criterion);
}

void CWorkoutSearchDialog::OnRowDoubleClicked(QTreeWidgetItem* item) {
    if (!item) return;
    UpdateCurrentFromControls();
    const auto index = static_cast<std::size_t>(list_->indexOfTopLevelItem(item));
    criteria_.SetCurrent(index);
    ShowCriterion(criteria_.Criteria().at(index));
}

void CWorkoutSearchDialog::ShowCriterion(const SearchCriterion& criterion) {
    const auto& properties = SearchProperties();
    for (std::size_t i = 0; i < properties.size(); ++i)
        if (properties[i].property == criterion.property)
            property_->setCurrentIndex(property_->findData(static_cast<int>(i)));
    OnPropertyChanged();
    operator_->setCurrentIndex(operator_->findData(static_cast<int>(criterion.op)));
    if (auto* date = qobject_cast<QDateEdit*>(value_))
        date->setDate(DateOfDay(DayNumber(criterion.number)));
    else if (auto* edit = qobject_cast<QLineEdit*>(value_))
        edit->setText(FromBytes(criterion.display));
    else if (auto* items = qobject_cast<QComboBox*>(value_))
        items->setCurrentIndex(std::max(0, items->findData(criterion.itemId)));
}

void CWorkoutSearchDialog::OnSearch() {
    UpdateCurrentFromControls();
    const std::optional<std::vector<SearchCriterion>> criteria =
        criteria_.ForSearch(CriterionFromControls());
    if (!criteria || !showResults_) return;
    CKadenzoDoc& doc = doc_;
    const bool preferSection = section_->isChecked();
    WorkoutFinder find = [&doc, criteria = *criteria, preferSection] {
        const AppContext& context = doc.Context();
        const SearchSettings settings{preferSection, context.Today(), context.units};
        return FindWorkouts(doc.Log(), criteria, doc.Library(), settings);
    };
    showResults_(find, this);
}

}  // namespace kadenzo
