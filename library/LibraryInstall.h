#pragma once

#include <string>

namespace kadenzo {

class CMainFrame;
class UserDialogs;

// Makes the frame's library commands work: the library editor (32784),
// whose OK writes the library to `libraryFilePath`, the file the program
// reads its library from; and the library browser (32774), a window beside
// the frame that follows the library and plans a template on the diary's
// day. Puts the template chooser in the frame's editing hooks.
void InstallLibrary(CMainFrame& frame, UserDialogs& dialogs, std::string libraryFilePath);

}  // namespace kadenzo
