/* Resource ids shared by vellinor.rc and the code.
 *
 * The numbers are fixed: messages are addressed by number, the one-line help
 * texts are string-table entries keyed by the id of their control or
 * command, and the templates and controls below are known by their ids.
 * Resources of different types may share a number (string 218 and dialog
 * 218 are unrelated).
 *
 * Read by windres as well as the compiler: plain #defines only. */
#ifndef VELLINOR_RESOURCE_H
#define VELLINOR_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

/* Dialog templates. 100 and 101 are the main window's Regular/Organize and
 * Compact templates. */
#define IDD_MAIN 100
#define IDD_COMPACT 101
#define IDD_DELETE_URL 200
#define IDD_READ_ONLY_FILE 218
#define IDD_OPEN_NEW_URL 219

/* Preferences: the sheet and its four pages. */
#define IDD_PREFS 106
#define IDD_URL_LISTS_PAGE 107
#define IDD_BROWSERS_PAGE 108
#define IDD_BEHAVIOR_PAGE 109
#define IDD_PRESENTATION_PAGE 110

/* Controls of the Preferences sheet and pages. The URL Lists and Web
 * Browsers pages share their ids; the Help button is the framework's
 * ID_HELP. */
#define IDC_COLOR_BACKGROUND 1111
#define IDC_COLOR_TEXT 1112
#define IDC_COLOR_BUTTONS 1113
#define IDC_COLOR_HIGHLIGHTS 1114
#define IDC_COLOR_MARKED 1115
#define IDC_TABLE_LIST 1118
#define IDC_DDE_NAME 1102
#define IDC_ENTRY_NAME 1136
#define IDC_ENTRY_PATH 1137
#define IDC_CHOOSE_PATH 1138
#define IDC_PREFS_TAB 1143
#define IDC_APPLY 1144
#define IDC_DEFAULT_COLORS 1160
#define IDC_CUSTOM_COLORS 1161
#define IDC_KEEP_AT_FRONT_REGULAR 1170
#define IDC_KEEP_AT_FRONT_COMPACT 1171
#define IDC_USE_TRAY 1172
#define IDC_AUTO_DOCK_NOTE 1173
#define IDC_SHOW_MESSAGE_HELP 1174
#define IDC_START_MINIMIZED 1175
#define IDC_OPEN_IN_NEW_WINDOW 1176
#define IDC_AUTO_MINIMIZE 1177
#define IDC_SAVE_WITHOUT_PROMPT 1178
#define IDC_ONE_CLICK_OPEN 1179
#define IDC_IMPORT_LIST 1180
#define IDC_EXPORT_LIST 1181
#define IDC_REMOVE_ENTRY 1182
#define IDC_ADD_ENTRY 1183
#define IDC_RECENT_PERIOD 1202
#define IDC_APP_HOT_KEY 1203
#define IDC_FETCH_HOT_KEY 1204
#define IDC_PAGE_HELP 57670

/* Controls of the prompt dialogs. */
#define IDC_DELETE_THIS_INSTANCE 1199
#define IDC_DELETE_ALL_INSTANCES 1200
#define IDC_PROMPT_CHECK 1210
#define IDC_PROMPT_EDIT 1211

/* Strings that are not message boxes. */
#define IDS_NOTE_CAPTION 201
#define IDS_CAPTION_NOTICE 203
#define IDS_STATUS_LIST 204
#define IDS_STATUS_BROWSER 205
#define IDS_STATUS_MARKED 206
#define IDS_MARKS_AT_OTHER_LEVEL 218

/* Messages: caption, TAB, text. */
#define IDS_LIST_MENU_FULL 207
#define IDS_IMPORT_FAILED 209
#define IDS_BROWSER_MENU_FULL 210
#define IDS_EXPORT_PROBLEM 211
#define IDS_EXPORT_FAILED 212
#define IDS_EXPORT_FINISHED 213
#define IDS_LIST_FILE_INACCESSIBLE 214
#define IDS_NO_APPLICATION_FOLDER 215
#define IDS_NO_LIST_FOLDER 216
#define IDS_NO_SHORTCUTS 217
#define IDS_CREATE_LIST_FILE 219
#define IDS_CANNOT_CREATE_LIST_FILE 220
#define IDS_LIST_PARTLY_LOADED 221
#define IDS_OUT_OF_MEMORY 223
#define IDS_CANNOT_OPEN_LIST_FILE 224
#define IDS_INSTALLATION_INTERRUPTED 225
#define IDS_ENTER_FILE_PATH 226
#define IDS_ENTER_NAME 227
#define IDS_NO_BROWSER 228
#define IDS_CANNOT_MOVE_LIST_FILE 229
#define IDS_SOURCE_MISSING 230
#define IDS_EXTENSION_MISSING 231
#define IDS_CLOSE_BROWSER_WINDOWS 232
#define IDS_BROWSER_START_FAILED 252
#define IDS_CANNOT_START_APPLICATION 253
#define IDS_CANNOT_FETCH_URL 254
#define IDS_CANNOT_SAVE_LIST 255
#define IDS_NO_MATCHING_DOCUMENT 256
#define IDS_SAVE_CHANGES 268
#define IDS_DISCARD_CHANGES 270
#define IDS_OVERWRITE_LIST_FILE 273
#define IDS_FAVORITES_MAY_BE_OVERWRITTEN 274
#define IDS_OVERWRITE_BOOKMARK_FILE 275
#define IDS_OVERWRITE_HOTLIST_FILE 276
#define IDS_SAVE_PREFERENCES 277
#define IDS_LIST_FULL 279
#define IDS_LAUNCH_NOW 281
#define IDS_DELETE_OLD_COPY 282
#define IDS_FINAL_STEP 283
#define IDS_OVERWRITE_MOVED_LIST 284
#define IDS_DELETE_ALL 285
#define IDS_DELETE_ORIGINALS 286
#define IDS_TEXT_NOT_ALLOWED 287
/* Refusals of the Preferences beyond the ones above: a text the settings
 * store cannot keep, a TAB in a menu name, a browser program that is not
 * there, a hot key another program holds. */
#define IDS_TEXT_TOO_LONG 288
#define IDS_TAB_IN_NAME 289
#define IDS_PROGRAM_NOT_FOUND 290
#define IDS_HOT_KEY_TAKEN 291
#define IDS_ABOUT 292
#define IDS_CANNOT_SAVE_COPY 293

/* Controls of the main window (templates 100 and 101). Per level (category,
 * subcategory, title) the ids run in steps of one: name field 1000 + level,
 * list box 1024 + level, New 1027 + level, Delete 1030 + level, Sort 1033 +
 * level. */
#define IDC_CATEGORY_NAME 1000
#define IDC_SUBCATEGORY_NAME 1001
#define IDC_TITLE_NAME 1002
#define IDC_URL 1003
#define IDC_STATUS_LINE 1004
#define IDC_FIND_TEXT 1005
#define IDC_FIND_LABEL 1006
#define IDC_URL_LABEL 1007
#define IDC_LAST_VISITED 1008
#define IDC_LAST_VISITED_LABEL 1009
#define IDC_CATEGORY_POPUP 1010
#define IDC_SUBCATEGORY_POPUP 1011
#define IDC_CATEGORY_LIST 1024
#define IDC_SUBCATEGORY_LIST 1025
#define IDC_TITLE_LIST 1026
#define IDC_NEW_CATEGORY 1027
#define IDC_NEW_SUBCATEGORY 1028
#define IDC_NEW_TITLE 1029
#define IDC_DELETE_CATEGORY 1030
#define IDC_DELETE_SUBCATEGORY 1031
#define IDC_DELETE_TITLE 1032
#define IDC_SORT_CATEGORIES 1033
#define IDC_SORT_SUBCATEGORIES 1034
#define IDC_SORT_TITLES 1035
#define IDC_MARK 1045
#define IDC_MOVE 1046
#define IDC_FETCH 1047
#define IDC_FIND 1048
#define IDC_OPEN 1049
#define IDC_NOTE 1050
#define IDC_BROWSE 1051
#define IDC_CATEGORY_LABEL 1187
#define IDC_SUBCATEGORY_LABEL 1188
#define IDC_TITLE_LABEL 1189

/* Help texts that stand for a state rather than one control: every New
 * button shows "create" or, while its level is pending, "add"; every Delete
 * and Sort button shares the first button's text; the Mark button shows
 * "unmark" while the selected entry is marked. */
#define IDH_NEW_ITEM IDC_NEW_CATEGORY
#define IDH_ADD_ITEM IDC_NEW_SUBCATEGORY
#define IDH_DELETE_ITEM IDC_DELETE_CATEGORY
#define IDH_SORT_ITEMS IDC_SORT_CATEGORIES
#define IDH_UNMARK 1055

/* The application shell: its icons (large and small), the global
 * accelerator table translated after the mode's own, the tray icon's popup
 * menu, and the commands the hidden application window carries out. */
#define IDI_APP 128
#define IDI_APP_SMALL 184
#define IDR_GLOBAL_ACCELERATORS 152
#define IDR_TRAY_MENU 207
#define IDR_LIST_CONTEXT_MENU 202
#define ID_TOGGLE_APP 786
#define ID_COMPACT_MODE 32770
#define ID_REGULAR_MODE 32771
#define ID_ORGANIZE_MODE 32772
#define ID_TRAY_RESTORE 32832
#define ID_TRAY_HIDE 32833

/* The main window's menu bar and its mode accelerator tables (template 100,
 * template 101); the global table is IDR_GLOBAL_ACCELERATORS. */
#define IDR_MAIN_MENU 164
#define IDR_MAIN_ACCELERATORS 150
#define IDR_COMPACT_ACCELERATORS 151
/* The last-visited text's context menu. */
#define IDR_LAST_VISITED_MENU 203
#define IDR_WINDOW_CONTEXT_MENU 204

/* Button pictures (scripts/make-bitmaps.py draws them in three marker
 * colours that are mapped to the window's colours when they are loaded). */
#define IDB_OPEN_NOTHING 170
#define IDB_OPEN 171
#define IDB_OPEN_FRONTMOST 172
#define IDB_FIND 174
#define IDB_FETCH 175
#define IDB_NOTE 176
#define IDB_SORT 183
#define IDB_BROWSE 184
#define IDB_NEW 185
#define IDB_ADD 186
#define IDB_NEW_DISABLED 187
#define IDB_DELETE 191
#define IDB_DELETE_DISABLED 192
#define IDB_MARK 194
#define IDB_UNMARK 195
#define IDB_MOVE 196
#define IDB_MOVE_DISABLED 197
#define IDB_POPUP 198
#define IDB_MARK_DISABLED 199
#define IDB_SORT_DISABLED 200
#define IDB_FETCH_DISABLED 201
#define IDB_NOTE_SHOWN 202

/* Commands of the main window's menus and accelerators. Ranges start at the
 * first entry (list 0, browser 0, category level). */
#define ID_NO_ACTION 32768
#define ID_NOTE_TO_FRONT 32786
#define ID_MARK_THIS 32790
#define ID_SWITCH_TO_PREVIOUS_LIST 32838
#define ID_SORT_FOCUSED_LEVEL 32845
#define ID_COPY_MARKED_URLS 32860
#define ID_COPY_MARKED_TITLES_AND_URLS 32861
#define ID_COPY_MARKED_HTML_LIST 32862
#define ID_COPY_MARKED_HTML_TABLE 32863
#define ID_FOCUS_FIND 32875
#define ID_OPEN_IN_NEW_WINDOW 32880
#define ID_OPEN_IN_FRONTMOST_WINDOW 32881
#define ID_SWITCH_DEFAULT_WINDOW 32885
#define ID_FOCUS_CATEGORIES 32900
#define ID_FOCUS_SUBCATEGORIES 32901
#define ID_FOCUS_TITLES 32902
#define ID_FIRST_LIST 5200
#define ID_FIRST_OPEN_WITH 5300
#define ID_FIRST_SET_DEFAULT_BROWSER 5400
#define ID_FIRST_BLANK_WINDOW 5500
#define ID_MARK_SELECTED 57635
#define ID_PASTE_MARKED 57637
#define ID_UNBOUND_F8 61472

/* Commands. The first of a range stands for the category level; the
 * subcategory and title levels follow. */
#define ID_SETUP 32775
#define ID_UNINSTALL 32776
#define ID_ABOUT 32787
#define ID_MARK_ALL_HERE 32795
#define ID_UNMARK_ALL_HERE 32800
#define ID_CLEAR_ALL_MARKS 32805
#define ID_PREFERENCES 32808
#define ID_CONFIGURE_BROWSERS 32811
#define ID_CONFIGURE_LISTS 32812
#define ID_VISITED_NEVER 32825
#define ID_VISITED_NOW 32826
#define ID_KEEP_AT_FRONT 32827
#define ID_AUTO_MINIMIZE 32828
#define ID_SAVE_COPY 32836
#define ID_MOVE_MARKED 32840
#define ID_MOVE_MARKED_FROM_OTHER 32841
#define ID_DUPLICATE_MARKED 32842
#define ID_ALIAS_MARKED 32844
#define ID_COPY_URL 32850
#define ID_COPY_TITLE_AND_URL 32851
#define ID_COPY_HTML_LINK 32852
#define ID_INSERT_SEPARATOR 32870
#define ID_ONE_CLICK_OPENING 32874
#define ID_OPEN_FOLDER 32882
#define ID_EXPLORE 32883
#define ID_COMMAND_PROMPT 32884
#define ID_IMPORT 32890
#define ID_EXPORT 32891
#define ID_REVERT 32892
#define ID_BLANK_WINDOW 32893
#define ID_OPEN_NEW_URL 32894
#define ID_OPEN_LIST 57601
#define ID_SAVE_LIST 57603
#define ID_EXIT 57665
#define ID_HELP_CONTENTS 57667

// Setup and Uninstall
#define IDD_SETUP 102
#define IDD_UNINSTALL 103
#define IDC_SETUP_CHOOSE_APP_FOLDER 1100
#define IDC_SETUP_CHOOSE_START_MENU 1101
#define IDC_SETUP_LIST_FOLDER 1119
#define IDC_SETUP_CHOOSE_LIST_FOLDER 1124
#define IDC_SETUP_DESKTOP 1130
#define IDC_SETUP_QUICK_LAUNCH 1131
#define IDC_SETUP_STARTUP 1132
#define IDC_SETUP_START_MENU 1133
#define IDC_SETUP_APP_FOLDER 1134
#define IDC_SETUP_START_MENU_FOLDER 1135
#define IDC_UNINSTALL_FILES 1145
#define IDC_UNINSTALL_SHORTCUTS 1146
#define IDC_UNINSTALL_REGISTRY 1147
#define IDC_SETUP_MOVE 1149
#define IDC_SETUP_LEAVE 1150
#define IDC_SETUP_LISTS_WITH_APP 1151
#define IDC_SETUP_LISTS_IN 1152
#define IDS_LIST_PATH_TOO_LONG 320
#define IDS_NO_START_MENU_FOLDER 321

/* Cleaning up a list: duplicate URLs and checking the Web links. */
#define IDS_DUPLICATES_MARKED 350
#define IDS_NO_DUPLICATES 351
#define IDS_HELD_MARKED 352
#define IDS_NONE_HELD 353
#define IDS_WHICH_DUPLICATES 354
#define IDS_DUPLICATES_MERGED 355
#define IDS_NO_LINKS_TO_CHECK 356
#define IDS_LINK_PROGRESS 357
#define IDS_LINK_SUMMARY 359
#define IDS_LINK_MOVED_TO 360
#define IDS_STATUS_DUPLICATES_MARKED 361
#define IDS_STATUS_HELD_MARKED 362
#define IDS_STATUS_DUPLICATES_MERGED 363
#define IDS_STATUS_LINKS_CHECKED 364
#define IDS_STATUS_LINK_CHECK_CANCELLED 365
#define IDS_HTTP_UNAVAILABLE 366
#define ID_MARK_DUPLICATE_URLS 33000
#define ID_MERGE_DUPLICATES 33001
#define ID_CHECK_LINKS 33002
#define IDC_LINK_PROGRESS_TEXT 33010
#define IDC_LINK_PROGRESS_BAR 33011
#define IDC_LINK_SUMMARY_TEXT 33012
#define IDC_LINK_SUMMARY_LIST 33013
#define IDC_UPDATE_MOVED 33014
#define IDD_LINK_CHECK_PROGRESS 33018
#define IDD_LINK_CHECK_SUMMARY 33019

/* Import and Export dialogs and the note window: templates, controls, the
 * note window's menu and command, and their strings (300-319). The Import
 * and Export buttons are IDC_IMPORT_LIST and IDC_EXPORT_LIST, Help is
 * IDC_PAGE_HELP. */
#define IDD_IMPORT 111
#define IDD_EXPORT 112
#define IDD_NOTE 191
#define IDR_NOTE_MENU 205
#define ID_AUTODOCK 32839
#define IDC_NEW_LIST_PATH 1119
#define IDC_CHOOSE_OUTPUT 1120
#define IDC_EXCHANGE_PATH 1122
#define IDC_CHOOSE_SOURCE 1123
#define IDC_CHOOSE_NEW_LIST 1124
#define IDC_EXPORT_LIST_CHOICE 1153
#define IDC_EXPORT_KIND 1208
#define IDC_IMPORT_KIND 1209
#define IDC_NOTE_TEXT 1190
#define IDC_LOG_IN_LABEL 1192
#define IDC_LOG_IN_NAME 1201
#define IDS_IMPORT_TOO_LARGE 300
#define IDS_LIST_TOO_LARGE 301

#endif
