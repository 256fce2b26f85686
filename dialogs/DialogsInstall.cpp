#include "DialogsInstall.h"

#include <memory>

#include "DocumentController.h"
#include "EventsDialog.h"
#include "KadenzoDoc.h"
#include "LibraryEditorDialog.h"
#include "MainFrame.h"
#include "ResourceIds.h"
#include "SearchDialog.h"
#include "Texts.h"
#include "UserDialogs.h"
#include "WorkoutListDialog.h"

namespace kadenzo {

void InstallDialogs(CMainFrame& frame, UserDialogs& dialogs, std::string libraryFilePath) {
    frame.SetCommand(ID_EVENTS, {[&frame] {
                                     CEventsDialog dialog(frame.Document().Doc(), &frame);
                                     dialog.exec();
                                 },
                                 {},
                                 {}});

    frame.SetCommand(ID_LIBRARY_EDITOR, {[&frame, &dialogs, libraryFilePath] {
                                             CKadenzoDoc& doc = frame.Document().Doc();
                                             // A library taken over from a diary is only shown.
                                             const bool viewOnly = doc.LibraryReplaced();
                                             if (viewOnly)
                                                 dialogs.Message(frame.Document().Texts().Text(
                                                                     IDS_LIBRARY_VIEW_ONLY),
                                                                 UserDialogs::Icon::Warning);
                                             CLibraryEditorDialog dialog(doc, dialogs,
                                                                         libraryFilePath, &frame);
                                             if (viewOnly) dialog.SetViewOnly();
                                             dialog.exec();
                                         },
                                         {},
                                         {}});

    // The workout list sorts as it was left while the program runs.
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
