#include "ImportApply.h"

#include <cmath>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <stdexcept>

#include "DateTime.h"
#include "DocumentEdits.h"
#include "ImportedFigures.h"
#include "KadenzoDoc.h"
#include "Library.h"
#include "RecordingCopies.h"
#include "RecordingFile.h"

namespace kadenzo {
namespace {

// A distance as the performance page shows it, in hundredths of the user's
// unit; the page keeps the stored value while what it shows is not changed.
double ShownDistance(double kilometres, const UnitSettings& units) {
    const double shown = ToDisplay(kilometres, kUnitDistance, units);
    if (!std::isfinite(shown)) return 0;
    return std::floor(std::round(shown * 1e6) / 1e4) / 100;
}

// A row ready to go in: its recording copied.
struct Ready {
    std::size_t row;
    std::string recordingPath;
};

// The library's first template of the sport (lowest id), else a new one
// named after the sport, in the first category and without a target.
class Templates {
public:
    Templates(const CLibrary& library, std::string otherSportName)
        : library_(library), otherSportName_(std::move(otherSportName)) {}

    std::uint32_t For(std::uint32_t sportId) {
        if (auto known = chosen_.find(sportId); known != chosen_.end()) return known->second;
        const CLibrary& library = Current();
        std::optional<std::uint32_t> lowest;
        for (const auto& t : library.workoutTemplates)
            if (t->sportId == sportId && (!lowest || t->id < *lowest)) lowest = t->id;
        if (!lowest) lowest = Add(sportId);
        return chosen_[sportId] = *lowest;
    }
    // The library with the templates added; null when none was needed.
    std::unique_ptr<CLibrary> Changed() { return std::move(changed_); }

private:
    const CLibrary& Current() const { return changed_ ? *changed_ : library_; }
    std::uint32_t Add(std::uint32_t sportId) {
        if (!changed_) changed_ = library_.Clone();
        if (sportId == CLibrary::kBuiltInSportId) changed_->EnsureBuiltInSport(otherSportName_);
        CLibWorkout& added = changed_->workoutTemplates.AddNew();
        added.name = changed_->GetSportName(sportId);
        added.sportId = sportId;
        added.categoryId = changed_->categories.empty() ? kNoId : changed_->categories[0].id;
        added.pulseLow = 0;
        added.pulseHigh = 0;
        return added.id;
    }

    const CLibrary& library_;
    std::string otherSportName_;
    std::unique_ptr<CLibrary> changed_;
    std::map<std::uint32_t, std::uint32_t> chosen_;
};

}  // namespace

void TakeActivity(CWorkOut& workout, const DeviceActivity& activity,
                  const std::string& recordingPath, const UnitSettings& units) {
    PerformanceFigures page;
    page.wholeDistance = ShownDistance(workout.distance, units);
    page.partDistance = ShownDistance(workout.partDistance, units);
    page.wholeDuration = workout.duration;
    page.partDuration = workout.partDuration;
    page.wholeAverage = workout.averagePulse;
    page.wholeMax = workout.maxPulse;
    page.partAverage = workout.partAveragePulse;
    page.partMax = workout.partMaxPulse;
    const PerformanceFigures taken = TakeImportedFigures(page, activity.figures, false);
    if (taken.wholeDistance != page.wholeDistance)
        workout.distance = FromDisplay(taken.wholeDistance, kUnitDistance, units);
    if (taken.partDistance != page.partDistance)
        workout.partDistance = FromDisplay(taken.partDistance, kUnitDistance, units);
    workout.duration = taken.wholeDuration;
    workout.partDuration = taken.partDuration;
    workout.averagePulse = taken.wholeAverage;
    workout.maxPulse = taken.wholeMax;
    workout.partAveragePulse = taken.partAverage;
    workout.partMaxPulse = taken.partMax;
    workout.marker1 = taken.marker1;
    workout.marker2 = taken.marker2;
    workout.recordingPath = recordingPath;
}

ApplyResult ApplyImport(CKadenzoDoc& doc, const ImportPlan& plan, const std::string& diaryPath,
                        const ApplySettings& settings) {
    ApplyResult result;
    if (plan.ImportedCount() == 0) return result;
    if (diaryPath.empty())
        throw std::runtime_error("the diary has no folder for its recordings until it is saved");

    // The copies first: the diary refers only to recordings that are there.
    RecordingCopies copies(diaryPath, settings.dryRun);
    std::vector<Ready> ready;
    std::set<CDatabase::WorkoutHandle> filled;
    bool adds = false;
    for (std::size_t i = 0; i < plan.rows.size(); ++i) {
        const PlanRow& row = plan.rows[i];
        const DeviceActivity& activity = row.activity;
        if (row.outcome == ActivityOutcome::kFill) {
            if (!doc.Log().FindWorkout(row.workout)) {
                result.failed.push_back({activity.file,
                                         "was to fill a workout that is no longer in the diary",
                                         FailedWhy::kWorkoutGone});
                continue;
            }
            if (!filled.insert(row.workout).second) {
                result.failed.push_back({activity.file,
                                         "was to fill a workout another activity fills",
                                         FailedWhy::kWorkoutTaken});
                continue;
            }
        } else if (row.outcome != ActivityOutcome::kNew) {
            continue;
        }
        // Read again: the device may have been unplugged or the file changed.
        const std::optional<std::string> bytes = ReadRecordingFile(activity.path);
        if (!bytes) {
            result.failed.push_back({activity.file, UnreadableFileMessage(activity.path)});
            continue;
        }
        if (bytes->size() != activity.identity.size || ContentHash(*bytes) != activity.hash) {
            result.failed.push_back(
                {activity.file, "has changed since it was read", FailedWhy::kChanged});
            continue;
        }
        try {
            ready.push_back(
                {i, copies.Copy(std::filesystem::path(activity.path).filename().string(), *bytes)});
        } catch (const std::exception& e) {
            result.failed.push_back({activity.file, std::string("cannot be copied: ") + e.what(),
                                     FailedWhy::kCannotCopy});
            continue;
        }
        adds = adds || row.outcome == ActivityOutcome::kNew;
    }
    if (ready.empty()) return result;

    if (adds) doc.PromptForProfile();
    int firstDay = 0;
    result.changed =
        doc.Transact(edit::kStepImportFromDevice, [&]() -> std::optional<DocumentChange> {
            result.imported.clear();
            CDatabase& log = doc.MutableLog();
            Templates templates(doc.Library(), settings.otherSportName);
            DocumentChange change = DocumentChange::Of(DocumentChange::kWorkouts);
            for (const Ready& r : ready) {
                const PlanRow& row = plan.rows[r.row];
                ImportedActivity& imported = result.imported.emplace_back();
                imported.row = r.row;
                imported.recordingPath = r.recordingPath;
                if (row.outcome == ActivityOutcome::kFill) {
                    const CDatabase::ConstWorkoutPos position = *log.FindWorkout(row.workout);
                    auto workout = std::make_unique<CWorkOut>(**position);
                    TakeActivity(*workout, row.activity, r.recordingPath, settings.units);
                    change.AddDays(DayNumber(workout->date), DayNumber(workout->date));
                    log.ReplaceWorkout(log.MutablePosition(position), std::move(workout));
                    imported.filled = true;
                    imported.workout = row.workout;
                    continue;
                }
                auto workout = std::make_unique<CWorkOut>();
                workout->templateId = templates.For(row.activity.sportId);
                workout->sportId = row.activity.sportId;
                workout->date = row.activity.start;
                TakeActivity(*workout, row.activity, r.recordingPath, settings.units);
                change.AddDays(row.activity.Day(), row.activity.Day());
                imported.workout = log.HandleOf(log.AddWorkout(std::move(workout)));
            }
            firstDay = change.firstDay;
            if (std::unique_ptr<CLibrary> library = templates.Changed()) {
                doc.SwapLibrary(std::move(library));
                change.what |= DocumentChange::kLibrary;
            }
            return change;
        });
    if (result.changed) result.firstDay = firstDay;
    return result;
}

}  // namespace kadenzo
