#pragma once
// Resource ids of the program, shared by orvane.rc and the code that loads them.

// The application icon (16, 24, 32 and 48 pixels); the lowest id, so the shell shows it.
#define IDI_APP 1

// 16 x 16 image strips (magenta is transparent). Object icons, used as state images:
//   0 none (a state index of 0 shows nothing), 1 object in general, 2 computer,
//   3 process, 4 system process, 5 thread, 6 window.
#define IDB_VIEW_OBJECT_ICONS 101
// Priority icons, used as small images of list rows:
//   0 low (below 7), 1 normal (7 to 9), 2 high (10 to 13), 3 realtime (14 and above),
//   4 window row.
#define IDB_VIEW_OBJECT_ICONS_PRIORITY 102
// The logo of the main bar, 233 x 59, on the bar colour (red 165, green 178, blue 221).
#define IDB_IMAGE_LOGO 103
// The about box's banner, 345 x 79.
#define IDB_ABOUT_BANNER 104
// The same images drawn larger for scaled displays: the strips at 24 and 32 pixels, the logo
// and the banner at twice their size.
#define IDB_VIEW_OBJECT_ICONS_24 105
#define IDB_VIEW_OBJECT_ICONS_32 106
#define IDB_VIEW_OBJECT_ICONS_PRIORITY_24 107
#define IDB_VIEW_OBJECT_ICONS_PRIORITY_32 108
#define IDB_IMAGE_LOGO_2X 109
#define IDB_ABOUT_BANNER_2X 110

// Counts of the strips, for the code that checks what it loaded.
#define VIEW_OBJECT_ICONS_COUNT 8
#define VIEW_OBJECT_ICONS_PRIORITY_COUNT 5

// Tool-palette glyphs on the palette colour (magenta is transparent), one per action, in the
// order of PaletteGlyph (app/palettes.h). A 32 x 32 button without caption shows the 24-pixel
// glyph, a 48 x 48 button the 32-pixel glyph above its caption; the 48-pixel strip is for a
// button without caption that large.
#define IDB_PALETTE_GLYPHS_32 201
#define IDB_PALETTE_GLYPHS_48 202
#define IDB_PALETTE_GLYPHS_24 203
// For scaled displays: 36 (the small glyph at 150%) and 64 (the large one at 200%).
#define IDB_PALETTE_GLYPHS_36 204
#define IDB_PALETTE_GLYPHS_64 205
#define PALETTE_GLYPHS_COUNT 20
