// Resource ids of Reelmark: dialogs, controls, commands, pictures, strings.
#pragma once

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif

// Dialog templates
#define IDD_REELMARK 102
#define IDD_SETTINGS 147
#define IDD_COPY_MOVIES 191
#define IDD_STATUS_LOG 200
#define IDD_RUN_PROGRESS 210

// Menu, toolbar, icons
#define IDR_MAINMENU 128
#define IDR_MAINFRAME 128
#define IDR_TOOLBAR 141
#define IDI_DELETE_WARNING 195

// Bitmaps
#define IDB_SPLASH 133
#define IDB_STARS_1 136
#define IDB_STARS_2 137
#define IDB_STARS_3 138
#define IDB_STARS_4 139
#define IDB_TOOLBAR_NORMAL 143
#define IDB_TOOLBAR_DISABLED 144
#define IDB_TOOLBAR_HOT 145
#define IDB_PLAY 192
#define IDB_COPY 193
#define IDB_FOLDER_TREE 232
#define IDB_PLAY_GREY 233
#define IDB_COPY_GREY 234
#define IDB_COPY_STOP 235

// Main window (dialog 102)
#define IDC_RECURSIVE 1000
#define IDC_MOVIE_LIST 1001
#define IDC_MOVIE_FOLDER 1003
#define IDC_BROWSE_FOLDERS 1004
#define IDC_FILE_COUNT 1005
#define IDC_FILE_FILTERS 1006
#define IDC_PREVIEW 1007
#define IDC_GENERATE 1008
#define IDC_SERIES_TITLE 1009
#define IDC_SERIES_TYPE 1010
#define IDC_SERIES_ID 1011
#define IDC_NEW_ID 1012
#define IDC_DESCRIPTION 1014
#define IDC_CLEAR_SELECT 1015
#define IDC_EDIT_META 1016
#define IDC_MPAA_RATING 1017
#define IDC_SELECT_ALL 1018
#define IDC_STAR_RATING 1020
#define IDC_IS_EPISODE 1021
#define IDC_STAR_PICTURE 1022
#define IDC_TV_RATING 1023
#define IDC_REPLACE_EXISTING 1024
#define IDC_FOLDER_TREE 1025
#define IDC_RESET_TREE 1026
#define IDC_DELETE_SELECTED 1027

// Commands
#define ID_LAUNCH_PYTIVO 32775
#define ID_OPTIONS 32779
#define ID_VIEW_LOG 32781
#define ID_COPY_MOVIES 32785
#define ID_FILE_SELECT_FOLDER 57601
#define ID_APP_ABOUT 57664
#define ID_APP_EXIT 57665
#define ID_HELP_INDEX 57666
#define ID_HELP 57670

// Settings dialog (147)
#define IDC_SETTINGS_BROWSE 1022
#define IDC_SETTINGS_PYTIVO 1023

// Copy dialog (191)
#define IDC_COPY_ADD 1022
#define IDC_COPY_TARGET 1023
#define IDC_COPY_START 1026
#define IDC_COPY_PLAY 1027
#define IDC_COPY_LIST 1028
#define IDC_COPY_TOTAL_BYTES 1029
#define IDC_COPY_PROGRESS 1030
#define IDC_COPY_TOTAL_LABEL 1031
#define IDC_COPY_REMOVE 1032
#define IDC_COPY_OVERWRITE 1033
#define IDC_COPY_SELECT_ALL 1035
#define IDC_COPY_CLEAR_SEL 1036
#define IDC_COPY_DISK_USAGE 1037
#define IDC_COPY_VOLUME_ROOT 1038
#define IDC_COPY_VOLUME_SIZE 1039
#define IDC_RUN_PROGRESS 1040
#define IDC_RUN_FILE 1041

// Status log dialog (200)
#define IDC_LOG_TEXT 1007
#define IDC_LOG_CLEAR 1022

// Metadata editor (220). Its rating combo boxes carry the main window's ids:
// they take the main window's items from its dialog-init resource.
#define IDD_METADATA_EDITOR 220
#define IDC_EDITOR_TITLE 1101
#define IDC_EDITOR_SERIES_TITLE 1102
#define IDC_EDITOR_EPISODE_TITLE 1103
#define IDC_EDITOR_EPISODE_NUMBER 1104
#define IDC_EDITOR_AIR_DATE 1105
#define IDC_EDITOR_MOVIE_YEAR 1106
#define IDC_EDITOR_DESCRIPTION 1107
#define IDC_EDITOR_IS_EPISODE 1108
#define IDC_EDITOR_SERIES_ID 1109
#define IDC_EDITOR_TV_RATING IDC_TV_RATING
#define IDC_EDITOR_MPAA_RATING IDC_MPAA_RATING
#define IDC_EDITOR_STAR_RATING IDC_STAR_RATING
#define IDC_EDITOR_GENRES 1113
#define IDC_EDITOR_ACTORS 1114
#define IDC_EDITOR_DIRECTORS 1115
#define IDC_EDITOR_OTHER_LINES 1116
// What the TiVo shows (230): one movie's fields as pyTivo sends them.
#define IDD_TIVO_VIEW 230
#define IDC_TIVO_MOVIE 1120
#define IDC_TIVO_FIELDS 1121
#define IDC_TIVO_NOTES 1122
#define IDC_TIVO_PROBLEMS 1123
#define ID_TIVO_VIEW 32790
// Template fields and setup options (ids 1150-1199)
#define IDC_GENRE 1150
#define IDC_AIR_DATE 1151
#define IDC_SETTINGS_PARSE_NAMES 1152
#define IDC_SETTINGS_META_FOLDER 1153
#define IDC_NAMES_NOTE 1154
#define IDC_SETTINGS_FILL_ONLY 1155
#define IDC_SETTINGS_WHOLE_TEMPLATE 1156
#define IDC_SETTINGS_LOOKUP 1157
#define IDC_SETTINGS_TMDB_KEY 1158
// Choose on TMDB (231): the candidates of the titles a lookup left unmatched.
#define IDD_TMDB_CHOOSE 231
#define IDC_CHOOSE_TITLES 1160
#define IDC_CHOOSE_CANDIDATES 1161

// Resource type of the combo boxes' initial items (the dialog-init format:
// control id, message, byte count, bytes).
#define RT_DLGINIT_ITEMS 240
