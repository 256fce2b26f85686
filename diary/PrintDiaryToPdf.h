#pragma once

#include <QString>

#include "PrintPdfArguments.h"
#include "StringTable.h"

namespace kadenzo {

// Prints the diary of a document file over the request's days into a PDF in
// the request's units, without a window. Uses `strings` and the current
// language module for its texts and pictures and the library stored in the
// file. Returns 0 on success; otherwise 1 with the reason in error, and no
// output file is left behind.
int PrintDiaryToPdf(const PrintPdfRequest& request, const StringTable& strings, QString* error);

// The whole command for main(): parses argv, starts a GUI application on the
// offscreen platform unless one is chosen, loads the language module and
// prints. Reports failures on stderr; returns the exit status.
int PrintPdfMain(int argc, char** argv);

// True when main() should hand argv to PrintPdfMain.
bool IsPrintPdfCommand(int argc, char** argv);

}  // namespace kadenzo
