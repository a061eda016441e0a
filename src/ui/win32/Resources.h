// The ids of the resources in Vellumet.rc. A resource script reads only the
// preprocessor, so they are macros. The program's icon has the lowest id of
// all icons, so that Explorer shows it for the executable.
#pragma once

#define VELLUMET_ICON_PROGRAM 1
#define VELLUMET_ICON_CRITICAL 2
#define VELLUMET_ICON_QUESTION 3
#define VELLUMET_ICON_EXCLAMATION 4
#define VELLUMET_ICON_INFORMATION 5
#define VELLUMET_CURSOR_HAND 10
#define VELLUMET_BITMAP_SPLASH_LOGO 20
#define VELLUMET_BITMAP_ABOUT 21
// The same pictures drawn at twice the size, for screens at 150% and above.
#define VELLUMET_BITMAP_SPLASH_LOGO_LARGE 22
#define VELLUMET_BITMAP_ABOUT_LARGE 23
