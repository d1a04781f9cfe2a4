// Identifiers of the menu commands and dialog controls.
#ifndef LUMIGRID_RESOURCE_H
#define LUMIGRID_RESOURCE_H

// The application icon: the first icon, so also the one of lumigrid.exe.
#define IDI_LUMIGRID              100

// Menu "MAINMENU"
#define IDM_FILE_EXIT             40001
#define IDM_EDIT_ALL_CLEAR        40002
#define IDM_EDIT_XOR_MODE         40003
#define IDM_EDIT_OR_MODE          40004
#define IDM_EDIT_ERASE_MODE       40005
#define IDM_VIEW_ONE_PLANE        40006
#define IDM_VIEW_TWO_PLANES       40007
#define IDM_EDIT_CHANGE_TARGET    40008
#define IDM_VIEW_OPTION           40009
#define IDM_VIEW_TRANSPARENT      40010
#define IDM_FILE_SAVE             40011
#define IDM_FILE_LOAD             40012
#define IDM_EDIT_COPY             40013
#define IDM_EDIT_PASTE            40014
#define IDM_EDIT_INVERSE          40015
#define IDM_FILE_SAVE_AS          40016
#define IDM_FILE_CREATE_HEX       40017
#define IDM_EDIT_LIST_FILE        40018
#define IDM_FILE_ADD_TO_LIST      40019
#define IDM_EDIT_UNDO             40020
#define IDM_EDIT_REDO             40021
// "F&rame"
#define IDM_FRAME_TEXT            40022
#define IDM_FRAME_IMPORT_PICTURE  40023
#define IDM_FRAME_EXPORT_PICTURE  40024
#define IDM_FRAME_SHIFT_UP        40025
#define IDM_FRAME_SHIFT_DOWN      40026
#define IDM_FRAME_SHIFT_LEFT      40027
#define IDM_FRAME_SHIFT_RIGHT     40028
#define IDM_FRAME_INSERT          40029
#define IDM_FRAME_DUPLICATE       40030
#define IDM_FRAME_DELETE          40031
#define IDM_FRAME_NEXT_PAGE       40032
#define IDM_FRAME_PREVIOUS_PAGE   40033
#define IDM_FRAME_PLAY            40034
// A pattern of any size: New, Resize, zoom, the status bar, Go to Frame
#define IDM_FILE_NEW              40100
#define IDM_VIEW_ZOOM_IN          40101
#define IDM_VIEW_ZOOM_OUT         40102
#define IDM_VIEW_FIT_TO_WINDOW    40103
#define IDM_VIEW_STATUS_BAR       40104
#define IDM_FRAME_RESIZE          40105
#define IDM_FRAME_GO_TO           40106
// "&Tools": the tools in their menu order, then the flips and turns
#define IDM_TOOLS_PENCIL              40150
#define IDM_TOOLS_FREEHAND            40151
#define IDM_TOOLS_LINE                40152
#define IDM_TOOLS_RECTANGLE           40153
#define IDM_TOOLS_FILLED_RECTANGLE    40154
#define IDM_TOOLS_ELLIPSE             40155
#define IDM_TOOLS_FILLED_ELLIPSE      40156
#define IDM_TOOLS_FLOOD_FILL          40157
#define IDM_TOOLS_SELECT              40158
#define IDM_TOOLS_FLIP_HORIZONTAL     40159
#define IDM_TOOLS_FLIP_VERTICAL       40160
#define IDM_TOOLS_ROTATE_CLOCKWISE    40161
#define IDM_TOOLS_ROTATE_ANTICLOCKWISE 40162
// Keys of the selection, without menu items: Delete, and Esc or Enter
#define IDM_TOOLS_CLEAR_SELECTION     40163
#define IDM_TOOLS_DROP_SELECTION      40164
// The usual keys: Ctrl+A selects the whole frame
#define IDM_TOOLS_SELECT_ALL      40300

// Motion: effects and the display list's preview
#define IDM_FRAME_EFFECTS         40240
#define IDM_FILE_PREVIEW_LIST     40241
// Code for the user's own hardware
#define IDM_FILE_EXPORT_CODE      40400

// "SLIDERWINDOW"
#define IDC_FRAME_SLIDER          1000

// "ANIMATIONOPTION"
#define IDC_FRAME_COUNT           1001
#define IDC_FRAME_COUNT_SPIN      1002
#define IDC_WAIT_TIME             1003
#define IDC_LIST_FILE             1004
#define IDC_LIST_BROWSE           1005
#define IDC_LIST_NEW              1006
#define IDC_WAIT_SPIN             1007

// "SAVEDIALOG"
#define IDC_CONTROL_NORMAL        1003
#define IDC_CONTROL_ANIMATION     1004
#define IDC_CONTROL_SCROLL        1005
#define IDC_CONTROL_ON_OFF        1006
#define IDC_ADD_TO_LIST           1007

// "LISTEDITDIALOG"
#define IDC_LIST_ENTRIES          1008
#define IDC_LIST_MOVE_UP          1009
#define IDC_LIST_MOVE_DOWN        1010
#define IDC_LIST_ADD              1011
#define IDC_LIST_DELETE           1012
#define IDC_LIST_INSERT_RESET     1013

// "HEXOPTIONDIALOG"
#define IDC_HEX_FORMAT            1015
#define IDC_HEX_SET_START         1016
#define IDC_HEX_START_ADDRESS     1017
#define IDC_HEX_START_LABEL       1019

// "TEXTDIALOG"
#define IDC_TEXT_STRING           1100
#define IDC_TEXT_FONT_NAME        1101
#define IDC_TEXT_FONT             1102
#define IDC_TEXT_FRAME_SIZE       1103
#define IDC_TEXT_STEP             1104
#define IDC_TEXT_STEP_SPIN        1105
#define IDC_TEXT_PREVIEW          1106
#define IDC_TEXT_STATUS           1107
#define IDC_TEXT_SECOND_FONT_NAME  1450
#define IDC_TEXT_SECOND_FONT       1451
#define IDC_TEXT_SECOND_FONT_CLEAR 1452
#define IDC_TEXT_SPACING           1453
#define IDC_TEXT_SPACING_SPIN      1454
#define IDC_TEXT_LINE_SPACING      1455
#define IDC_TEXT_LINE_SPACING_SPIN 1456
#define IDC_TEXT_ALIGN             1457
#define IDC_TEXT_SET_TOP           1458
#define IDC_TEXT_TOP               1459
#define IDC_TEXT_TOP_SPIN          1460

// "PICTUREIMPORT"
#define IDC_IMPORT_THRESHOLD      1130
#define IDC_IMPORT_THRESHOLD_SPIN 1131
#define IDC_IMPORT_INVERT         1132
#define IDC_IMPORT_SUMMARY        1133
#define IDC_IMPORT_PREVIEW        1134
#define IDC_IMPORT_OWN_SIZE       1400
#define IDC_IMPORT_COLUMNS        1401
#define IDC_IMPORT_COLUMNS_SPIN   1402
#define IDC_IMPORT_ROWS           1403
#define IDC_IMPORT_ROWS_SPIN      1404
#define IDC_IMPORT_FIT            1405
#define IDC_IMPORT_ALIGNMENT      1406
#define IDC_IMPORT_DITHER         1407

// "PICTUREEXPORT"
#define IDC_EXPORT_EDITED_FRAME   1140
#define IDC_EXPORT_EVERY_FRAME    1141
#define IDC_EXPORT_SCALE          1142
#define IDC_EXPORT_SCALE_SPIN     1143

// "NEWPATTERN"
#define IDC_NEW_COLUMNS           1200
#define IDC_NEW_COLUMNS_SPIN      1201
#define IDC_NEW_ROWS              1202
#define IDC_NEW_ROWS_SPIN         1203
#define IDC_NEW_FRAMES            1204
#define IDC_NEW_FRAMES_SPIN       1205

// "RESIZEPATTERN"
#define IDC_RESIZE_COLUMNS        1210
#define IDC_RESIZE_COLUMNS_SPIN   1211
#define IDC_RESIZE_ROWS           1212
#define IDC_RESIZE_ROWS_SPIN      1213
// Nine radio buttons, row by row from the top-left anchor.
#define IDC_RESIZE_ANCHOR_FIRST   1214
#define IDC_RESIZE_ANCHOR_LAST    1222

// "GOTOFRAME"
#define IDC_GO_TO_FRAME           1230
#define IDC_GO_TO_FRAME_SPIN      1231
#define IDC_GO_TO_FRAME_RANGE     1232

// The main window's status bar
#define IDC_STATUS_BAR            1240
// "HEXEXPORTPROGRESS"
#define IDC_HEX_PROGRESS_BAR      1320
#define IDC_HEX_PROGRESS_TEXT     1321
// "EFFECTSDIALOG"
#define IDC_EFFECT_IN             1340
#define IDC_EFFECT_OUT            1341
#define IDC_EFFECT_STEP           1342
#define IDC_EFFECT_STEP_SPIN      1343
#define IDC_EFFECT_HOLD           1344
#define IDC_EFFECT_HOLD_SPIN      1345
#define IDC_EFFECT_EDITED_FRAME   1346
#define IDC_EFFECT_EVERY_FRAME    1347
#define IDC_EFFECT_PREVIEW        1348
#define IDC_EFFECT_STATUS         1349

// "PREVIEWLIST"
#define IDC_PREVIEW_PICTURE       1360
#define IDC_PREVIEW_PLAY          1361
#define IDC_PREVIEW_POSITION      1362
#define IDC_PREVIEW_TIME          1363
#define IDC_PREVIEW_TICK          1364
#define IDC_PREVIEW_TICK_SPIN     1365
#define IDC_PREVIEW_SAVE_GIF      1366
#define IDC_PREVIEW_SKIPPED       1367

// "RECOVERYQUESTION"
#define IDC_RECOVERY_TEXT         1500
#define IDC_RECOVERY_ICON         1501
#define IDC_RECOVERY_DISCARD      1502

// "PREVIEWLIST": the texts that move when the window is resized, and the
// tick's range note
#define IDC_PREVIEW_TICK_LABEL    1510
#define IDC_PREVIEW_TICK_UNIT     1511
#define IDC_PREVIEW_TICK_NOTE     1512
#define IDC_PREVIEW_SKIPPED_LABEL 1513

// "CODEEXPORT"
#define IDC_CODE_LAYOUT           1600
#define IDC_CODE_READERS          1601
#define IDC_CODE_LANGUAGE         1602
#define IDC_CODE_NAME             1603
#define IDC_CODE_EDITED_PICTURE   1604
#define IDC_CODE_EVERY_PICTURE    1605
#define IDC_CODE_ROTATE           1606
#define IDC_CODE_MIRROR           1607
#define IDC_CODE_INVERT           1608
#define IDC_CODE_CONTROLLER       1609
#define IDC_CODE_SIZE             1610
#define IDC_CODE_SCAN_PATH        1611
#define IDC_CODE_PREVIEW          1612

#endif
