#include "EventsInstall.h"

#include "DocumentController.h"
#include "EventsDialog.h"
#include "MainFrame.h"
#include "ResourceIds.h"

namespace kadenzo {

void InstallEvents(CMainFrame& frame) {
    frame.SetCommand(ID_EVENTS, {[&frame] {
                                     CEventsDialog dialog(frame.Document().Doc(), &frame);
                                     dialog.exec();
                                 },
                                 {},
                                 {}});
}

}  // namespace kadenzo
