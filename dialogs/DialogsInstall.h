#pragma once

#include <string>

namespace kadenzo {

class CMainFrame;
class UserDialogs;

// Makes the frame's commands open the calendar events (32832), the library
// editor (32784) and the workout search (32782), whose results show in the
// workout list. The library editor's OK writes the library to
// `libraryFilePath`, the file the program reads its library from.
void InstallDialogs(CMainFrame& frame, UserDialogs& dialogs, std::string libraryFilePath);

}  // namespace kadenzo
