// Integer ids of the setup program's resources, shared by the resource
// script and the code.
#pragma once

// String table: the portal-mode pair.
#define VD_STR_PORTAL_MODE 1
#define VD_STR_PORTAL_HOST 2

// Skin bitmaps (RT_BITMAP).
#define VD_BMP_TITLE 1
#define VD_BMP_TITLE_LEFT 2
#define VD_BMP_TITLE_RIGHT 3
#define VD_BMP_EDGE 6
#define VD_BMP_PAGE_WIDE 7
#define VD_BMP_PAGE 8
#define VD_BMP_BOTTOM 9
#define VD_BMP_BOTTOM_LEFT 10
#define VD_BMP_BOTTOM_RIGHT 11

// Skin PNG strips (RT_RCDATA), four frames side by side.
#define VD_PNG_MIN 4
#define VD_PNG_CLOSE 5
#define VD_PNG_BROWSE 12
#define VD_PNG_NEXT 13
#define VD_PNG_PREV 14
#define VD_PNG_INSTALL 15
#define VD_PNG_CANCEL 16
#define VD_PNG_FINISH 17
#define VD_PNG_LOGO 18

// The licence agreement (RT_RCDATA): UTF-8 text, one line per line.
#define VD_TXT_LICENSE 19
