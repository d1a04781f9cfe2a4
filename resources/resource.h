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

#endif
