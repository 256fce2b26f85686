#pragma once

#include <string>
#include <string_view>

namespace kadenzo {

// A text of the core (Windows-1252) as an iCalendar text takes it: UTF-8,
// every line break (CR LF, CR or LF) as one LF, which the writer escapes,
// and any other control character but a tab as a space, since iCalendar
// texts may hold none.
std::string CalendarText(std::string_view cp1252);

// A file name as the system gives it: kept when it is UTF-8, else read as
// Windows-1252; made a calendar text either way.
std::string CalendarFileName(std::string_view bytes);

// One item of a list value (CATEGORIES) escaped by hand: "\" ";" "," and
// line breaks. libical escapes the items of a list only partly, since it
// takes a comma in one for the separator of two.
std::string EscapedListItem(std::string_view utf8);

}  // namespace kadenzo
