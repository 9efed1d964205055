#pragma once

// Resource IDs of the tray menu (block 3000-3999).
#define IDR_MENU_GLYPH_FONT 3000
