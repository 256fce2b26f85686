// The merge window's rows: what each kind of conflict shows of its two
// versions, which choices it offers, and that the choices made are the ones
// the merge is resolved with.
#include <gtest/gtest.h>

#include <map>

#include "ConflictRows.h"
#include "MergeFixture.h"
#include "StringTable.h"

namespace kadenzo::test {
namespace {

using sync::Choice;

class SomeTexts : public StringTable {
public:
    std::string Text(std::uint32_t id) const override {
        const auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    }
    std::map<std::uint32_t, std::string> texts;
};

struct Sides {
    DocumentContents base, mine, theirs;
};

// A workout both sides edited, one this diary removed and the other edited,
// the log renamed on both sides and the formula changed on both.
Sides Clashing() {
    const W both{kDay, 30, "w"}, removed{kDay + 5, 45, "v"};
    Sides s{Diary(WorkoutLog({both, removed})), Diary(WorkoutLog({{kDay, 35, "mine"}})),
            Diary(WorkoutLog({{kDay, 40, "theirs"}, {kDay + 5, 50, "edited"}}))};
    s.base.log->name = "Diary";
    s.mine.log->name = "Mine's name";
    s.theirs.log->name = "Their name";
    s.mine.hrFormula = 0;
    s.theirs.hrFormula = 1;
    return s;
}

sync::MergeResult Merged(const Sides& s) {
    return sync::MergeDocuments(Copy(s.base), Copy(s.mine), Copy(s.theirs));
}

TEST(ConflictRows, EachConflictShowsBothVersionsAndOffersWhatItCanKeep) {
    const Sides sides = Clashing();
    const sync::MergeResult merge = Merged(sides);
    const EmptyStringTable english;
    ConflictRows rows(merge, UnitSettings{}, english);
    ASSERT_EQ(rows.Count(), 4u);

    const struct {
        const char* day;
        const char* conflict;
        const char* mine;
        const char* theirs;
        std::vector<Choice> offered;
        Choice chosen;
    } expected[] = {
        {"15.03.2023",
         "Workout: edited on both sides",
         "Tempo run, done 0:35:00, mine",
         "Tempo run, done 0:40:00, theirs",
         {Choice::Mine, Choice::Theirs, Choice::Both},
         Choice::Both},
        {"20.03.2023",
         "Workout: edited on one side, removed on the other",
         "(none)",
         "Tempo run, done 0:50:00, edited",
         {Choice::Mine, Choice::Theirs},
         Choice::Theirs},
        {"",
         "Diary name: renamed on both sides",
         "Mine's name",
         "Their name",
         {Choice::Mine, Choice::Theirs},
         Choice::Mine},
        {"",
         "Athlete profile: Heart-rate formula: edited on both sides",
         "220 minus age",
         "210 minus age",
         {Choice::Mine, Choice::Theirs},
         Choice::Mine},
    };
    for (std::size_t i = 0; i < rows.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows.Text(i, ConflictColumn::Day), expected[i].day);
        EXPECT_EQ(rows.Text(i, ConflictColumn::Conflict), expected[i].conflict);
        EXPECT_EQ(rows.Text(i, ConflictColumn::Mine), expected[i].mine);
        EXPECT_EQ(rows.Text(i, ConflictColumn::Theirs), expected[i].theirs);
        EXPECT_EQ(rows.Row(i).offered, expected[i].offered);
        EXPECT_EQ(rows.ChoiceOf(i), expected[i].chosen);
    }
    // The details hold what a line leaves out.
    EXPECT_NE(rows.Row(0).mineDetails.find("Notes: mine"), std::string::npos);
    EXPECT_NE(rows.Row(0).mineDetails.find("Time: 12:00"), std::string::npos);
    EXPECT_EQ(rows.Text(0, ConflictColumn::Keep), "Both");
    EXPECT_EQ(rows.Header(ConflictColumn::Keep), "Keep");
}

TEST(ConflictRows, ChoicesStayWithinWhatARowOffersAndResolveTheMerge) {
    const Sides sides = Clashing();
    sync::MergeResult merge = Merged(sides);
    const EmptyStringTable english;
    ConflictRows rows(merge, UnitSettings{}, english);

    EXPECT_FALSE(rows.Choose(1, Choice::Both));  // one version only
    EXPECT_EQ(rows.ChoiceOf(1), Choice::Theirs);
    rows.ChooseNext(1, 1);  // round the end
    EXPECT_EQ(rows.ChoiceOf(1), Choice::Mine);
    rows.ChooseNext(1, -1);
    EXPECT_EQ(rows.ChoiceOf(1), Choice::Theirs);
    EXPECT_FALSE(rows.Choose(2, Choice::Both));
    EXPECT_TRUE(rows.Choose(0, Choice::Theirs));
    EXPECT_TRUE(rows.Choose(2, Choice::Theirs));
    EXPECT_EQ(rows.Text(0, ConflictColumn::Keep), "Other version");

    const DocumentContents merged = std::move(merge).Resolve(rows.Choices());
    EXPECT_EQ(Describe(*merged.log), (std::vector<std::string>{"0 40 theirs 7", "5 50 edited 7"}));
    EXPECT_EQ(merged.log->name, "Their name");
    EXPECT_EQ(merged.hrFormula, 0);
}

TEST(ConflictRows, TextsComeFromTheLanguageModuleAndFiguresInTheUsersUnits) {
    DocumentContents base = Diary(WorkoutLog({}));
    DocumentContents mine = Diary(WorkoutLog({}));
    DocumentContents theirs = Diary(WorkoutLog({}));
    CBodyInfo info({CalendarDateTime::kValid, NoonOfDayNumber(kDay)});
    info.weight = 70;
    base.log->SetBodyInfo(info);
    info.weight = 80;
    mine.log->SetBodyInfo(info);
    info.weight = 90;
    theirs.log->SetBodyInfo(info);
    const sync::MergeResult merge = sync::MergeDocuments(Copy(base), Copy(mine), Copy(theirs));
    SomeTexts german;
    german.texts = {{35221, "Körperdaten"},
                    {35226, "auf beiden Seiten geändert"},
                    {35240, "Gewicht: %.1f %s"},
                    {35204, "Tag"}};
    ConflictRows rows(merge, UnitSettings{0, 1}, german);
    ASSERT_EQ(rows.Count(), 1u);
    EXPECT_EQ(rows.Text(0, ConflictColumn::Conflict), "Körperdaten: auf beiden Seiten geändert");
    EXPECT_EQ(rows.Header(ConflictColumn::Day), "Tag");
    // Pounds; the unit's label is the module's, which this table lacks.
    EXPECT_EQ(rows.Text(0, ConflictColumn::Mine).rfind("Gewicht: 176.4", 0), 0u);
    EXPECT_EQ(rows.Row(0).offered, (std::vector<Choice>{Choice::Mine, Choice::Theirs}));
}

}  // namespace
}  // namespace kadenzo::test
