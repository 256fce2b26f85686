#pragma once

// Numbered identifiers shared by every subsystem: commands (the ids of actions),
// controls of the dialogs, dialog templates, pictures and texts of the language
// modules. The numbers are those of the original resource scripts, so stored
// settings and the menus of both language modules keep agreeing.

namespace kadenzo {

// ---- Standard commands -------------------------------------------------------
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_PRINT_SETUP = 57606;
inline constexpr int ID_FILE_PRINT = 57607;
inline constexpr int ID_FILE_PRINT_DIRECT = 57608;
inline constexpr int ID_FILE_PRINT_PREVIEW = 57609;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;  // the recent-file list: 57616 to 57619
inline constexpr int ID_FILE_MRU_COUNT = 4;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_VIEW_TOOLBAR = 59392;
inline constexpr int ID_VIEW_STATUS_BAR = 59393;

// ---- The program's own commands (from 0x8000 up) -----------------------------
inline constexpr int ID_LIBRARY_BROWSER = 32774;  // diary: show/hide the library browser
inline constexpr int ID_WEEK_FORWARD = 32775;
inline constexpr int ID_WEEK_BACK = 32776;
inline constexpr int ID_SPORT_STATISTICS = 32781;
inline constexpr int ID_WORKOUT_SEARCH = 32782;
inline constexpr int ID_ATHLETE_PROFILE = 32783;
inline constexpr int ID_LIBRARY_EDITOR = 32784;
inline constexpr int ID_WEB_PAGE = 32785;
inline constexpr int ID_MANUAL = 32786;
inline constexpr int ID_LOG_NAME = 32787;
inline constexpr int ID_PRINT_RANGE = 32788;
inline constexpr int ID_VIEW_DIARY = 32790;
inline constexpr int ID_VIEW_ANALYSIS = 32791;
inline constexpr int ID_VIEW_FORM = 32792;
inline constexpr int ID_UNDO = 32828;
inline constexpr int ID_REDO = 32829;
inline constexpr int ID_EVENTS = 32832;
inline constexpr int ID_EXPORT_LIBRARY = 32834;
inline constexpr int ID_UNITS = 33085;
// Diary: the workout clipboard (Edit menu); a cut workout moves on paste.
inline constexpr int ID_CUT_WORKOUT = 35000;
inline constexpr int ID_COPY_WORKOUT = 35001;
inline constexpr int ID_PASTE_WORKOUT = 35002;
// File: the activities of a watch or a folder onto the plan.
inline constexpr int ID_IMPORT_FROM_DEVICE = 32930;
// The open diary's notices: merge the changes on disk, merge or leave a
// conflicted copy, edit a diary opened read-only.
inline constexpr int ID_MERGE_DISK_CHANGES = 32935;
inline constexpr int ID_MERGE_COPY = 32936;
inline constexpr int ID_LEAVE_COPY = 32937;
inline constexpr int ID_EDIT_ANYWAY = 32938;
// Diary: the day's body data from its context menu (Shift+F10, the Menu key).
inline constexpr int ID_DAY_BODY_DATA = 32945;

// Analysis view.
inline constexpr int ID_ANALYSIS_DISTANCE = 0x8020;
inline constexpr int ID_ANALYSIS_DURATION = 0x8021;
inline constexpr int ID_CHART_BY_CATEGORY = 0x8022;
inline constexpr int ID_CHART_BY_SPORT = 0x8023;
inline constexpr int ID_CHART_TOTALS = 0x8031;
inline constexpr int ID_LAYER_NONE = 0x8024;
inline constexpr int ID_LAYER_SPORT = 0x8025;  // ID_LAYER_NONE + analysis key 1..6
inline constexpr int ID_LAYER_SUBSPORT = 0x8026;
inline constexpr int ID_LAYER_TEMPLATE = 0x8027;
inline constexpr int ID_LAYER_TRACK = 0x8028;
inline constexpr int ID_LAYER_INTENSITY = 0x8029;
inline constexpr int ID_LAYER_CATEGORY = 0x802A;
inline constexpr int ID_SCALE = 0x803B;
inline constexpr int ID_PAGE_FORWARD = 0x8048;
inline constexpr int ID_PAGE_BACK = 0x8049;
inline constexpr int ID_RANGE_7_DAYS = 0x8084;
inline constexpr int ID_RANGE_14_DAYS = 0x8085;
inline constexpr int ID_RANGE_28_DAYS = 0x8086;
inline constexpr int ID_RANGE_1_WEEK = 0x8087;
inline constexpr int ID_RANGE_2_WEEKS = 0x8088;
inline constexpr int ID_RANGE_4_WEEKS = 0x8089;
inline constexpr int ID_RANGE_12_WEEKS = 0x808A;
inline constexpr int ID_RANGE_1_MONTH = 0x808B;
inline constexpr int ID_RANGE_3_MONTHS = 0x808C;
inline constexpr int ID_RANGE_6_MONTHS = 0x808D;
inline constexpr int ID_RANGE_12_MONTHS = 0x808E;
inline constexpr int ID_RANGE_1_YEAR = 0x808F;
inline constexpr int ID_RANGE_2_YEARS = 0x8090;
inline constexpr int ID_RANGE_5_YEARS = 0x8091;
// Form view: its ranges and Today; it pages with ID_PAGE_BACK / ID_PAGE_FORWARD.
inline constexpr int ID_FORM_6_WEEKS = 0x8092;
inline constexpr int ID_FORM_3_MONTHS = 0x8093;
inline constexpr int ID_FORM_6_MONTHS = 0x8094;
inline constexpr int ID_FORM_1_YEAR = 0x8095;
inline constexpr int ID_FORM_2_YEARS = 0x8096;
inline constexpr int ID_FORM_TODAY = 0x8097;
// Form view: back to the days from six weeks ago up to the next race; the
// race category "none" (the library's categories follow it in the menu, built
// when it opens).
inline constexpr int ID_FORM_NEXT_RACE = 32941;
inline constexpr int ID_FORM_NO_RACES = 32942;
// File › Export: the plan as a calendar file.
inline constexpr int ID_EXPORT_PLAN_CALENDAR = 32940;
// The analysis menu's sports popup, built at run time: 0x0400 + k, k from 1.
inline constexpr int ID_SPORT_MENU_FIRST = 0x0401;
inline constexpr int ID_SPORT_MENU_LAST = 0x0432;

// Day panel context menu.
inline constexpr int ID_WORKOUT_EDIT = 1280;
inline constexpr int ID_WORKOUT_DELETE = 1281;

// Every fixed command number, for building actions and checking menus. The
// recent-file commands and the run-time sports menu are ranges of their own.
inline constexpr int kCommandIds[] = {ID_FILE_NEW,
                                      ID_FILE_OPEN,
                                      ID_FILE_SAVE,
                                      ID_FILE_SAVE_AS,
                                      ID_FILE_PRINT_SETUP,
                                      ID_FILE_PRINT,
                                      ID_FILE_PRINT_DIRECT,
                                      ID_FILE_PRINT_PREVIEW,
                                      ID_APP_ABOUT,
                                      ID_APP_EXIT,
                                      ID_VIEW_TOOLBAR,
                                      ID_VIEW_STATUS_BAR,
                                      ID_LIBRARY_BROWSER,
                                      ID_WEEK_FORWARD,
                                      ID_WEEK_BACK,
                                      ID_SPORT_STATISTICS,
                                      ID_WORKOUT_SEARCH,
                                      ID_ATHLETE_PROFILE,
                                      ID_LIBRARY_EDITOR,
                                      ID_WEB_PAGE,
                                      ID_MANUAL,
                                      ID_LOG_NAME,
                                      ID_PRINT_RANGE,
                                      ID_VIEW_DIARY,
                                      ID_VIEW_ANALYSIS,
                                      ID_VIEW_FORM,
                                      ID_UNDO,
                                      ID_REDO,
                                      ID_EVENTS,
                                      ID_EXPORT_LIBRARY,
                                      ID_UNITS,
                                      ID_CUT_WORKOUT,
                                      ID_COPY_WORKOUT,
                                      ID_PASTE_WORKOUT,
                                      ID_IMPORT_FROM_DEVICE,
                                      ID_MERGE_DISK_CHANGES,
                                      ID_MERGE_COPY,
                                      ID_LEAVE_COPY,
                                      ID_EDIT_ANYWAY,
                                      ID_ANALYSIS_DISTANCE,
                                      ID_ANALYSIS_DURATION,
                                      ID_CHART_BY_CATEGORY,
                                      ID_CHART_BY_SPORT,
                                      ID_CHART_TOTALS,
                                      ID_LAYER_NONE,
                                      ID_LAYER_SPORT,
                                      ID_LAYER_SUBSPORT,
                                      ID_LAYER_TEMPLATE,
                                      ID_LAYER_TRACK,
                                      ID_LAYER_INTENSITY,
                                      ID_LAYER_CATEGORY,
                                      ID_SCALE,
                                      ID_PAGE_FORWARD,
                                      ID_PAGE_BACK,
                                      ID_RANGE_7_DAYS,
                                      ID_RANGE_14_DAYS,
                                      ID_RANGE_28_DAYS,
                                      ID_RANGE_1_WEEK,
                                      ID_RANGE_2_WEEKS,
                                      ID_RANGE_4_WEEKS,
                                      ID_RANGE_12_WEEKS,
                                      ID_RANGE_1_MONTH,
                                      ID_RANGE_3_MONTHS,
                                      ID_RANGE_6_MONTHS,
                                      ID_RANGE_12_MONTHS,
                                      ID_RANGE_1_YEAR,
                                      ID_RANGE_2_YEARS,
                                      ID_RANGE_5_YEARS,
                                      ID_FORM_6_WEEKS,
                                      ID_FORM_3_MONTHS,
                                      ID_FORM_6_MONTHS,
                                      ID_FORM_1_YEAR,
                                      ID_FORM_2_YEARS,
                                      ID_FORM_TODAY,
                                      ID_FORM_NEXT_RACE,
                                      ID_FORM_NO_RACES,
                                      ID_EXPORT_PLAN_CALENDAR,
                                      ID_WORKOUT_EDIT,
                                      ID_WORKOUT_DELETE};

// ---- Resources: menus, tool bar, dialog templates ----------------------------
inline constexpr int IDR_MAINFRAME = 128;  // document template, diary menu, tool bar
inline constexpr int IDR_DIARY_MENU = 128;
inline constexpr int IDR_ANALYSIS_MENU = 129;
inline constexpr int IDR_FORM_MENU = 130;
inline constexpr int IDR_TOOLBAR = 128;

inline constexpr int IDD_ABOUT = 100;
inline constexpr int IDD_LIBRARY_BROWSER = 130;
inline constexpr int IDD_WO_SETUP = 133;
inline constexpr int IDD_WO_PERFORMANCE = 134;
inline constexpr int IDD_SPORT_STATISTICS = 221;
inline constexpr int IDD_SPORT_DETAIL = 222;
inline constexpr int IDD_WORKOUT_SEARCH = 226;
inline constexpr int IDD_WORKOUT_LIST = 227;
inline constexpr int IDD_ATHLETE_PROFILE = 229;
inline constexpr int IDD_PRINT_RANGE = 231;
inline constexpr int IDD_SPLASH = 235;
inline constexpr int IDD_SCALE = 237;
inline constexpr int IDD_BODY_DATA = 245;
inline constexpr int IDD_EVENTS = 246;
inline constexpr int IDD_RECORDING_IMPORT = 247;
inline constexpr int IDD_LIBRARY_EDITOR = 255;
inline constexpr int IDD_UNITS = 258;
inline constexpr int IDD_LOG_NAME = 259;  // a number of our own

// ---- Pictures ----------------------------------------------------------------
inline constexpr int IDB_SPORT_FIRST = 176;  // sport icon k (1..42) is bitmap 175 + k
inline constexpr int IDB_SPORT_LAST = 217;
inline constexpr int SPORT_ICON_COUNT = 42;
inline constexpr int SPORT_ICON_SIZE = 40;
inline constexpr int IDI_SORT_DESCENDING = 224;  // header mark of a negative sort state
inline constexpr int IDI_SORT_ASCENDING = 225;   // header mark of a positive sort state
inline constexpr int IDB_PAGE_PICTURE = 234;     // top right corner of every printed page
inline constexpr int IDB_SPLASH = 235;           // the picture of the splash window
inline constexpr int IDI_APP = 128;              // the program's icon
// State icons of the library editor's first column (current, new, editing row).
inline constexpr int IDI_ROW_CURRENT = 240;
inline constexpr int IDI_ROW_NEW = 241;
inline constexpr int IDI_ROW_EDITING = 242;
// Tool bar pictures are numbered like the command they stand for.

// ---- Controls ----------------------------------------------------------------
// Units dialog (258): the first radio button of each group stands for 0.
inline constexpr int IDC_UNITS_DISTANCE = 1010;
inline constexpr int IDC_UNITS_WEIGHT = 1100;

// Scale dialog (237).
inline constexpr int IDC_SCALE_AUTO = 1020;
inline constexpr int IDC_SCALE_DIVISIONS = 1082;
inline constexpr int IDC_SCALE_TEXT = 1070;
inline constexpr int IDC_SCALE_STEP = 1080;

// Sport statistics (221) and sport detail (222).
inline constexpr int IDC_STATS_FROM = 1038;
inline constexpr int IDC_STATS_TO = 1039;
inline constexpr int IDC_STATS_SUMMARY = 1048;
inline constexpr int IDC_STATS_LIST = 1042;
inline constexpr int IDC_DETAIL_BY_CATEGORY = 1045;
inline constexpr int IDC_DETAIL_BY_SUBSPORT = 1046;
inline constexpr int IDC_DETAIL_BY_TEMPLATE = 1047;

// Workout editor, set-up page (133).
inline constexpr int IDC_SETUP_PLANNED = 1003;
inline constexpr int IDC_SETUP_HEART_RATE = 1006;
inline constexpr int IDC_SETUP_TEMPLATE_COMMENT = 1008;
inline constexpr int IDC_SETUP_FLAG = 1012;
inline constexpr int IDC_SETUP_BROWSE = 1017;
inline constexpr int IDC_SETUP_SPORT = 1018;
inline constexpr int IDC_SETUP_NOTE = 1019;
inline constexpr int IDC_SETUP_LINK_PLACE = 1032;
inline constexpr int IDC_SETUP_TEMPLATE_NAME = 1062;
inline constexpr int IDC_SETUP_TEMPLATE = 1063;
inline constexpr int IDC_LINK = 104;          // the link edit created over the place-holder
inline constexpr int IDC_SETUP_NOTIFY = 105;  // sends code 1 when the heart-rate text is due

// Workout editor, performance page (134).
inline constexpr int IDC_PERF_COMMENT = 1008;
inline constexpr int IDC_PERF_WHOLE_DISTANCE = 1010;
inline constexpr int IDC_PERF_WHOLE_AVERAGE = 1011;
inline constexpr int IDC_PERF_WHOLE_MAX = 1012;
inline constexpr int IDC_PERF_WHOLE_DURATION = 1013;
inline constexpr int IDC_PERF_PART_DURATION = 1014;
inline constexpr int IDC_PERF_WHOLE_SPEED = 1015;
inline constexpr int IDC_PERF_PART_DISTANCE = 1016;
inline constexpr int IDC_PERF_INTENSITY = 1017;
inline constexpr int IDC_PERF_SUBSPORT = 1018;
inline constexpr int IDC_PERF_BROWSE = 1019;
inline constexpr int IDC_PERF_MAX_TEST = 1020;
inline constexpr int IDC_PERF_TRACK = 1021;
inline constexpr int IDC_PERF_PART_SPEED = 1022;
inline constexpr int IDC_PERF_PART_AVERAGE = 1023;
inline constexpr int IDC_PERF_PART_MAX = 1024;
inline constexpr int IDC_PERF_RECORDING_PLACE = 1032;
inline constexpr int IDC_PERF_DISTANCE_LABEL1 = 1036;
inline constexpr int IDC_PERF_DISTANCE_LABEL2 = 1037;
inline constexpr int IDC_PERF_VIEW_WHOLE = 1096;
inline constexpr int IDC_PERF_IMPORT = 1098;
inline constexpr int IDC_PERF_VIEW_PART = 1099;

// Workout search (226).
inline constexpr int IDC_SEARCH_VALUE = 1025;
inline constexpr int IDC_SEARCH_CRITERIA = 1042;
inline constexpr int IDC_SEARCH_ADD = 1051;
inline constexpr int IDC_SEARCH_REMOVE = 1052;
inline constexpr int IDC_SEARCH_SEARCH = 1054;
inline constexpr int IDC_SEARCH_PROPERTY = 1055;
inline constexpr int IDC_SEARCH_OPERATOR = 1056;
inline constexpr int IDC_SEARCH_VALUE_PLACE = 1059;
inline constexpr int IDC_SEARCH_SECTION = 1099;

// Recording import (247).
inline constexpr int IDC_IMPORT_AXIS_TIME_OF_DAY = 103;
inline constexpr int IDC_IMPORT_PART_DURATION = 1014;
inline constexpr int IDC_IMPORT_BROWSE = 1017;
inline constexpr int IDC_IMPORT_PART_EXCLUDE_PAUSES = 1020;
inline constexpr int IDC_IMPORT_WHOLE_EXCLUDE_PAUSES = 1021;
inline constexpr int IDC_IMPORT_PART_AVERAGE = 1023;
inline constexpr int IDC_IMPORT_CHART = 1024;  // also the marked-section maximum text
inline constexpr int IDC_IMPORT_PART_MAX = 1024;
inline constexpr int IDC_IMPORT_AXIS = 1096;  // first of the axis radio group
inline constexpr int IDC_IMPORT_AXIS_2 = 1046;
inline constexpr int IDC_IMPORT_AXIS_3 = 1047;
inline constexpr int IDC_IMPORT_PATH = 1100;
inline constexpr int IDC_IMPORT_CHART_PLACE = 1109;
inline constexpr int IDC_IMPORT_WHOLE_DURATION = 1110;
inline constexpr int IDC_IMPORT_WHOLE_DISTANCE = 1111;
inline constexpr int IDC_IMPORT_WHOLE_AVERAGE = 1112;
inline constexpr int IDC_IMPORT_WHOLE_MAX = 1113;
inline constexpr int IDC_IMPORT_PART_DISTANCE = 1114;
inline constexpr int IDC_IMPORT_MARKER1 = 1115;
inline constexpr int IDC_IMPORT_MARKER2 = 1116;

// Events (246).
inline constexpr int IDC_EVENTS_BLOCKS_DAY = 1020;
inline constexpr int IDC_EVENTS_CALENDAR_PLACE = 1104;
inline constexpr int IDC_EVENTS_KIND = 1105;
inline constexpr int IDC_EVENTS_CALENDAR = 1524;

// Library browser and template chooser (130).
inline constexpr int IDC_TEMPLATE_TREE = 102;

// Body data (245).
inline constexpr int IDC_BODY_VALUE3 = 1006;
inline constexpr int IDC_BODY_NOTE = 1019;
inline constexpr int IDC_BODY_VALUE2 = 1100;
inline constexpr int IDC_BODY_WEIGHT = 1101;
inline constexpr int IDC_BODY_WEIGHT_LABEL = 1123;

// Athlete profile (229).
inline constexpr int IDC_PROFILE_MAX_HEART_RATE = 1006;
inline constexpr int IDC_PROFILE_BIRTH_DATE = 1038;
inline constexpr int IDC_PROFILE_FORMULA =
    1066;  // first of two radio buttons: 220 - age, 210 - age

// Workout list (227).
inline constexpr int IDC_WORKOUT_LIST = 1042;

// Library editor (255).
inline constexpr int IDC_LIBRARY_GRID = 1025;
inline constexpr int IDC_LIBRARY_TABS = 1120;

// Device import window, its settings and the notice in the main window.
inline constexpr int IDC_DEVICE_FOLDER = 1700;
inline constexpr int IDC_DEVICE_CHANGE_FOLDER = 1701;
inline constexpr int IDC_DEVICE_SUMMARY = 1702;
inline constexpr int IDC_DEVICE_ROWS = 1703;
inline constexpr int IDC_DEVICE_OUTCOME = 1704;
inline constexpr int IDC_DEVICE_FAILED = 1705;
inline constexpr int IDC_DEVICE_SETTINGS = 1706;
inline constexpr int IDC_DEVICE_SPORTS = 1707;
inline constexpr int IDC_DEVICE_KIND = 1708;
inline constexpr int IDC_DEVICE_SPORT = 1709;
inline constexpr int IDC_DEVICE_SET_SPORT = 1710;
inline constexpr int IDC_DEVICE_REMOVE_SPORT = 1711;
inline constexpr int IDC_DEVICE_FOLDERS = 1712;
inline constexpr int IDC_DEVICE_ADD_FOLDER = 1713;
inline constexpr int IDC_DEVICE_REMOVE_FOLDER = 1714;
inline constexpr int IDC_DEVICE_NOTICE = 1715;
inline constexpr int IDC_DEVICE_NOTICE_TEXT = 1716;
inline constexpr int IDC_DEVICE_NOTICE_IMPORT = 1717;
inline constexpr int IDC_DEVICE_NOTICE_DISMISS = 1718;
// The merge window and the main window's notice bar (a block of their own).
inline constexpr int IDC_MERGE_INTRO = 1600;
inline constexpr int IDC_MERGE_LIST = 1601;
inline constexpr int IDC_MERGE_KEEP_MINE = 1602;
inline constexpr int IDC_MERGE_KEEP_THEIRS = 1603;
inline constexpr int IDC_MERGE_KEEP_BOTH = 1604;
inline constexpr int IDC_MERGE_MINE_DETAILS = 1605;
inline constexpr int IDC_MERGE_THEIRS_DETAILS = 1606;
inline constexpr int IDC_NOTICE_BAR = 1610;
inline constexpr int IDC_NOTICE_TEXT = 1611;

// ---- Texts of the language modules -------------------------------------------
// A text numbered like a command holds its status bar prompt and, after a new
// line, its tool tip. File-dialog filters are pairs "text|patterns|...||".
inline constexpr int IDS_READY = 57345;           // the idle status bar message
inline constexpr int ID_INDICATOR_CAPS = 59137;   // status bar lock indicators
inline constexpr int ID_INDICATOR_NUM = 59138;
inline constexpr int ID_INDICATOR_SCRL = 59139;
inline constexpr int IDS_CANNOT_DELETE_ROWS = 1;  // library editor: list allows no deletion
inline constexpr int IDS_WEEK_LABEL = 33000;      // %i week, %i two-digit year
inline constexpr int IDS_OTHERS = 33001;
inline constexpr int IDS_FORWARD_DAY = 33002;    // 33002..33005: forward by day/week/month/year
inline constexpr int IDS_BACK_DAY = 33006;       // 33006..33009: back by day/week/month/year
inline constexpr int IDS_STATS_SUMMARY = 33010;  // %.1f total hours, %.1f hours per week
inline constexpr int IDS_COL_SPORT = 33011;
inline constexpr int IDS_COL_DISTANCE = 33012;
inline constexpr int IDS_COL_HEART_RATE = 33013;
inline constexpr int IDS_COL_SPEED = 33014;
inline constexpr int IDS_COL_DURATION = 33015;
inline constexpr int IDS_DETAIL_TITLE = 33016;  // %s sport name
inline constexpr int IDS_TAB_INTENSITIES = 33017;
inline constexpr int IDS_TAB_SPORTS = 33018;
inline constexpr int IDS_TAB_SUBSPORTS = 33019;
inline constexpr int IDS_TAB_TRACKS = 33020;
inline constexpr int IDS_TAB_TEMPLATES = 33021;
inline constexpr int IDS_TAB_EVENT_KINDS = 33022;
inline constexpr int IDS_DROPPED_ONE = 33023;
inline constexpr int IDS_DROPPED_MANY = 33024;  // %i records
inline constexpr int IDS_TAB_CATEGORIES = 33025;
inline constexpr int IDS_MENU_EDIT_WORKOUT = 33027;
inline constexpr int IDS_MENU_DELETE_WORKOUT = 33028;
// The names of the undo history's steps are 34960..34971 and 34974
// (edit::kStep... in the core) and 34975 (sync::kStepMergeChanges); the Undo
// and Redo commands show them in these (%s the name).
inline constexpr int IDS_UNDO_STEP = 34972;
inline constexpr int IDS_REDO_STEP = 34973;
inline constexpr int IDS_COL_LIST_DISTANCE = 33032;
inline constexpr int IDS_COL_LIST_PART_DISTANCE = 33033;
inline constexpr int IDS_COL_LIST_DURATION = 33034;
inline constexpr int IDS_COL_LIST_PART_DURATION = 33035;
inline constexpr int IDS_IMPORT_DURATION = 33036;  // %s
inline constexpr int IDS_IMPORT_DISTANCE = 33037;  // %.2f distance, %s unit
inline constexpr int IDS_IMPORT_AVERAGE = 33038;   // %.0f heart rate
inline constexpr int IDS_IMPORT_MAXIMUM = 33039;   // %.0f heart rate
inline constexpr int IDS_MARKER_DISTANCE = 33040;  // %i marker, %.2f distance, %s unit
inline constexpr int IDS_MARKER_TIME = 33041;      // %i marker, %s time
inline constexpr int IDS_IMPORT_FILTER = 33042;    // %s date, %s pattern, %s pattern
inline constexpr int IDS_DELETE_REFUSED = 33043;
inline constexpr int IDS_NAME_MISSING = 33044;
inline constexpr int IDS_CATEGORY_MISSING = 33045;
inline constexpr int IDS_SPORT_MISSING = 33046;
inline constexpr int IDS_WEEK_CAPTION = 33048;
inline constexpr int IDS_NO_LIBRARY = 33049;
inline constexpr int IDS_LIBRARY_FILTER = 33055;
inline constexpr int IDS_EXPORT_FAILED = 33056;  // %s path
inline constexpr int IDS_PAGE_NUMBER = 33057;    // %i
inline constexpr int IDS_SAME_COMPUTER_LIBRARY = 33058;
inline constexpr int IDS_OTHER_COMPUTER_LIBRARY = 33059;
inline constexpr int IDS_UNTITLED_LOG = 33060;
inline constexpr int IDS_OVERWRITE_WITH_EMPTY = 33062;
inline constexpr int IDS_COL_MAX_HEART_RATE = 33072;
inline constexpr int IDS_COL_PROPERTY = 33075;
inline constexpr int IDS_COL_COMPARISON = 33076;
inline constexpr int IDS_COL_VALUE = 33077;
inline constexpr int IDS_OP_CONTAINS = 33078;
inline constexpr int IDS_OP_EQUAL = 33079;
inline constexpr int IDS_OP_NOT_LESS = 33080;
inline constexpr int IDS_OP_NOT_GREATER = 33081;
inline constexpr int IDS_PROP_COMMENT = 33082;
inline constexpr int IDS_MIXED_EVENT_KINDS = 33083;
inline constexpr int IDS_PROP_NOTE = 33086;
inline constexpr int IDS_LIST_SPORTS = 33087;  // 33087..33093: titles of the library lists
inline constexpr int IDS_LIST_TRACKS = 33088;
inline constexpr int IDS_LIST_EVENT_KINDS = 33089;
inline constexpr int IDS_LIST_CATEGORIES = 33090;
inline constexpr int IDS_LIST_INTENSITIES = 33091;
inline constexpr int IDS_LIST_SUBSPORTS = 33092;
inline constexpr int IDS_LIST_TEMPLATES = 33093;
inline constexpr int IDS_COL_CATEGORY = 33094;
inline constexpr int IDS_COL_TEMPLATE = 33095;
inline constexpr int IDS_COL_AVERAGE_SPEED = 33096;
inline constexpr int IDS_COL_SUBSPORT = 33097;  // also the caption of the analysis sports menu
inline constexpr int IDS_COL_DATE = 33098;
inline constexpr int IDS_COL_INTENSITY = 33099;
inline constexpr int IDS_COL_TRACK = 33100;
inline constexpr int IDS_COL_WORKOUT = 33101;
inline constexpr int IDS_UNIT_KM = 33102;
inline constexpr int IDS_UNIT_MI = 33103;
inline constexpr int IDS_UNIT_KMH = 33104;
inline constexpr int IDS_UNIT_MPH = 33105;
inline constexpr int IDS_UNIT_KG = 33106;
inline constexpr int IDS_UNIT_LB = 33107;
inline constexpr int IDS_UNIT_HEART_RATE = 34880;  // beats per minute
inline constexpr int IDS_WEIGHT_LABEL = 33108;  // %s weight unit
inline constexpr int IDS_BUILTIN_SPORT = 33109;
inline constexpr int IDS_LIBRARY_VIEW_ONLY = 33110;
inline constexpr int IDS_VERSION = 33111;      // %u.%u.%u.%u
inline constexpr int IDS_NEW_VERSION = 33112;  // 8 x %i: server version, running version
inline constexpr int IDS_DOWNLOAD_URL = 33113;
inline constexpr int IDS_STATS_SUMMARY_ONE_DAY = 33114;  // %.1f total hours
// Column headings of the library editor's grid.
inline constexpr int IDS_LIBCOL_NAME = 34100;
inline constexpr int IDS_LIBCOL_COLOUR = 34101;
inline constexpr int IDS_LIBCOL_LEVEL = 34102;
inline constexpr int IDS_LIBCOL_ACTIVE = 34103;
inline constexpr int IDS_LIBCOL_SPORT = 34104;
inline constexpr int IDS_LIBCOL_DISTANCE = 34105;
inline constexpr int IDS_LIBCOL_CLIMB = 34106;
inline constexpr int IDS_LIBCOL_CATEGORY = 34107;
inline constexpr int IDS_LIBCOL_PULSE_RELATIVE = 34108;
inline constexpr int IDS_LIBCOL_PULSE_LOW = 34109;
inline constexpr int IDS_LIBCOL_PULSE_HIGH = 34110;
inline constexpr int IDS_LIBCOL_COMMENT = 34111;
// Texts of the print range dialog.
inline constexpr int IDS_PRINT_RANGE_TITLE = 34200;
inline constexpr int IDS_PRINT_RANGE_FOLLOW = 34201;
inline constexpr int IDS_PRINT_RANGE_FIXED = 34202;
inline constexpr int IDS_PRINT_RANGE_FROM = 34203;
inline constexpr int IDS_PRINT_RANGE_TO = 34204;
inline constexpr int IDS_PRINT_RANGE_LABELS = 34205;
inline constexpr int IDS_PRINT_RANGE_TARGET = 34206;
inline constexpr int IDS_PRINT_RANGE_AVERAGE = 34207;
// 34000 to 34045: texts of the program's own small dialogs (app/DialogTexts.h).
// Counts of one thing, beside their texts for other counts.
inline constexpr int IDS_WORKOUT_COUNT_ONE = 34930;    // beside 34431
inline constexpr int IDS_BYTES_READ_ONE = 34931;       // beside 34703
inline constexpr int IDS_BYTES_READ_RATE_ONE = 34932;  // beside 34704
inline constexpr int IDS_DISCARD_LIBRARY_CHANGES = 34933;
// The import dialog's time in heart-rate zones of the marked section.
inline constexpr int IDS_ZONES_TITLE = 35160;
inline constexpr int IDS_ZONE_NAME = 35161;     // lower and upper per cent
inline constexpr int IDS_ZONE_MINUTES = 35162;  // whole minutes
inline constexpr int IDS_ZONES_NO_MAXIMUM = 35163;
// What a screen reader hears of the diary (35000 to 35002 are the clipboard
// commands' prompts).
inline constexpr int IDS_A11Y_DAY = 35003;           // weekday, day, month, year
inline constexpr int IDS_A11Y_DATE = 35004;          // day, month, year
inline constexpr int IDS_A11Y_WEEK = 35005;          // week number, first and last date
inline constexpr int IDS_A11Y_WEEK_TOTALS = 35006;   // planned and performed h:mm
inline constexpr int IDS_A11Y_BLOCKED_DAY = 35007;
inline constexpr int IDS_A11Y_EVENT = 35008;         // an event kind without a name
inline constexpr int IDS_A11Y_WEIGHT = 35009;        // value and unit
inline constexpr int IDS_A11Y_RESTING_PULSE = 35010;
inline constexpr int IDS_A11Y_BODY_FAT = 35011;

// What assistive technology hears of the events calendar, the analysis chart
// and the heart-rate chart.
inline constexpr int IDS_A11Y_CALENDAR_DAY = 35040;       // weekday, day, month, year
inline constexpr int IDS_A11Y_DAY_EVENT_BLOCKED = 35041;  // event kind; no training
inline constexpr int IDS_A11Y_NO_TRAINING = 35042;
inline constexpr int IDS_A11Y_SELECT_DAY = 35043;
inline constexpr int IDS_A11Y_EXTEND_SELECTION = 35044;
inline constexpr int IDS_A11Y_CLEAR_SELECTION = 35045;
inline constexpr int IDS_A11Y_CHART_CHOICES = 35050;  // quantity, bars, split, range, first, last day
inline constexpr int IDS_A11Y_SPORT_BY_SUBSPORT = 35051;  // sport
inline constexpr int IDS_A11Y_TOTAL_BAR = 35052;
inline constexpr int IDS_A11Y_START_MARKER = 35060;
inline constexpr int IDS_A11Y_END_MARKER = 35061;
inline constexpr int IDS_A11Y_SECTION_SUMMARY = 35062;  // title, duration, distance, average, maximum

// Every task by keyboard and screen reader: what a reader hears besides the
// painted texts, the status messages of the diary's keys, and the day's
// context menu.
inline constexpr int IDS_SPOKEN_UNKNOWN = 35500;      // read for "???"
inline constexpr int IDS_SPOKEN_NONE = 35501;         // read for "--------"
inline constexpr int IDS_A11Y_WEEK_RAMP = 35502;      // a planned week holding a ramp day
inline constexpr int IDS_MENU_BODY_DATA = 35503;      // the day's context menu
inline constexpr int IDS_STATUS_CUT = 35504;          // workout
inline constexpr int IDS_STATUS_COPIED = 35505;       // workout
inline constexpr int IDS_STATUS_NOTHING_TO_PASTE = 35506;
inline constexpr int IDS_STATUS_DAY_BLOCKED = 35507;  // day
inline constexpr int IDS_STATUS_PLANNED = 35508;      // workout, day
inline constexpr int IDS_MANUAL_NO_VIEWER = 35509;    // the manual's file
inline constexpr int IDS_A11Y_COLOUR = 35510;         // red, green, blue
inline constexpr int IDS_A11Y_NO_COLOUR = 35511;
inline constexpr int IDS_A11Y_NEW_ROW = 35512;
inline constexpr int IDS_A11Y_EDITED_ROW = 35513;     // the row's own label
inline constexpr int IDS_A11Y_ANALYSIS_CHART = 35514;
inline constexpr int IDS_A11Y_MARKER_AT = 35515;      // marker name, time
inline constexpr int IDS_MANUAL_MISSING = 35517;      // the web page
inline constexpr int IDS_A11Y_RAMP_MARK = 35518;      // the week panel's tip
inline constexpr int IDS_A11Y_ROW = 35516;            // a row without a label: its number
inline constexpr int IDS_A11Y_EARLIER_MONTHS = 35519;  // the events calendar's paging
inline constexpr int IDS_A11Y_LATER_MONTHS = 35520;

// The form view: its legend, the figures under the mouse and what a screen
// reader hears of the chart.
inline constexpr int IDS_FORM_FITNESS_MEANS = 35100;
inline constexpr int IDS_FORM_FATIGUE_MEANS = 35101;
inline constexpr int IDS_FORM_FORM_MEANS = 35102;
inline constexpr int IDS_FORM_DRAWING_MEANS = 35103;
inline constexpr int IDS_FORM_TODAY = 35104;          // date, fitness, fatigue, form
inline constexpr int IDS_FORM_NEXT_EVENT = 35105;     // event, date, form
inline constexpr int IDS_FORM_UNRATED_ONE = 35106;    // count
inline constexpr int IDS_FORM_UNRATED = 35107;        // count
inline constexpr int IDS_FORM_NO_MAXIMUM = 35108;
inline constexpr int IDS_FORM_DAY = 35109;            // date, load, fitness, fatigue, form
inline constexpr int IDS_FORM_PROJECTED_DAY = 35110;  // date, load, fitness, fatigue, form
inline constexpr int IDS_FORM_COL_DATE = 35111;
inline constexpr int IDS_FORM_COL_LOAD = 35112;
inline constexpr int IDS_FORM_COL_FITNESS = 35113;
inline constexpr int IDS_FORM_COL_FATIGUE = 35114;
inline constexpr int IDS_FORM_COL_FORM = 35115;
inline constexpr int IDS_FORM_CHART_NAME = 35116;
inline constexpr int IDS_FORM_CHART_DESCRIPTION = 35117;  // first, last date, fitness, fatigue, form
inline constexpr int IDS_FORM_TODAY_MARK = 35118;

// Race day and the plan ahead in the form view; the plan as a calendar.
inline constexpr int IDS_FORM_TODAY_MORNING = 35400;  // date, form, fitness, fatigue
inline constexpr int IDS_FORM_NEXT_RACE = 35401;      // name, date, form, fitness, fatigue
inline constexpr int IDS_FORM_WARMING_UP = 35402;     // last date
inline constexpr int IDS_FORM_PLAN_END = 35403;       // date
inline constexpr int IDS_FORM_RAMP_ONE = 35404;       // date
inline constexpr int IDS_FORM_RAMP = 35405;           // count, first date
inline constexpr int IDS_FORM_RAMP_DAY = 35406;
inline constexpr int IDS_FORM_WARMING_UP_DAY = 35407;
inline constexpr int IDS_FORM_DONE_NO_PULSE_ONE = 35408;          // count
inline constexpr int IDS_FORM_DONE_NO_PULSE = 35409;              // count
inline constexpr int IDS_FORM_PLANNED_NO_TARGET_ONE = 35410;      // count, templates
inline constexpr int IDS_FORM_PLANNED_NO_TARGET = 35411;          // count, templates
inline constexpr int IDS_FORM_NO_MAXIMUM_ABOVE_REST_ONE = 35412;  // count
inline constexpr int IDS_FORM_NO_MAXIMUM_ABOVE_REST = 35413;      // count
inline constexpr int IDS_CALENDAR_TARGET = 35420;                 // low, high
inline constexpr int IDS_CALENDAR_TARGET_BELOW = 35421;           // high
inline constexpr int IDS_CALENDAR_TARGET_ABOVE = 35422;           // low
// The plan calendar's export dialog (title, labels, its note, file filter),
// what it refuses, and the status lines of an export and of the calendar
// written after a save.
inline constexpr int IDS_CALENDAR_TITLE = 35430;
inline constexpr int IDS_CALENDAR_FILE = 35431;
inline constexpr int IDS_CALENDAR_CHOOSE = 35432;
inline constexpr int IDS_CALENDAR_AFTER_SAVE = 35433;
inline constexpr int IDS_CALENDAR_NOTE = 35434;
inline constexpr int IDS_CALENDAR_EXPORT = 35435;
inline constexpr int IDS_CALENDAR_FILTER = 35436;
inline constexpr int IDS_CALENDAR_NO_FILE = 35437;
inline constexpr int IDS_CALENDAR_IS_FOLDER = 35438;  // path
inline constexpr int IDS_CALENDAR_IS_DIARY = 35439;
inline constexpr int IDS_CALENDAR_WRITE_FAILED = 35440;  // path, reason
inline constexpr int IDS_CALENDAR_SAVE_FAILED = 35441;   // path, reason
inline constexpr int IDS_CALENDAR_WRITTEN = 35442;       // path
// The form view's legend panel, its keys of events and race flags, the hint
// without a race category, and a race named when hovering its day.
inline constexpr int IDS_FORM_LEGEND = 35450;
inline constexpr int IDS_FORM_EVENT_KEY = 35451;  // event kind
inline constexpr int IDS_FORM_RACE_KEY = 35452;   // category
inline constexpr int IDS_FORM_NO_RACE_CATEGORY = 35453;
inline constexpr int IDS_FORM_RACE_DAY = 35454;  // race name
}  // namespace kadenzo
