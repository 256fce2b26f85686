#include "WorkoutListInstall.h"

#include <memory>

#include "DocumentController.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "SearchDialog.h"
#include "WorkoutListDialog.h"

namespace kadenzo {

void InstallWorkoutList(CMainFrame& frame) {
    auto sort = std::make_shared<WorkoutListSort>();
    const ShowSearchResults showResults = [&frame, sort](const WorkoutFinder& find,
                                                         QWidget* parent) {
        CWorkoutListDialog list(frame.Document().Doc(), find, *sort, frame.Editing(), parent);
        list.exec();
    };
    frame.SetCommand(ID_WORKOUT_SEARCH, {[&frame, showResults] {
                                             CWorkoutSearchDialog dialog(frame.Document().Doc(),
                                                                         showResults, &frame);
                                             dialog.exec();
                                         },
                                         {},
                                         {}});
}

}  // namespace kadenzo
