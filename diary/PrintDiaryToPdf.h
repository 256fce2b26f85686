#pragma once

#include <QString>

#include "PrintPdfArguments.h"

namespace kadenzo {

// Prints the diary of a document file over the request's days into a PDF,
// without a window. Uses the current language module (App().strings) for its
// texts and pictures and the library stored in the file. Returns 0 on success;
// otherwise 1 with the reason in error, and no output file is left behind.
int PrintDiaryToPdf(const PrintPdfRequest& request, QString* error);

// The whole command for main(): parses argv, starts a GUI application on the
// offscreen platform unless one is chosen, loads the language module and
// prints. Reports failures on stderr; returns the exit status.
int PrintPdfMain(int argc, char** argv);

// True when main() should hand argv to PrintPdfMain.
bool IsPrintPdfCommand(int argc, char** argv);

}  // namespace kadenzo
