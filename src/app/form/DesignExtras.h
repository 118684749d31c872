#pragma once

class QWidget;

// What a form description cannot hold by itself: font heights in pixels (the
// "fontPixelSize" property, 11 px where none is given), split hints (the
// "hint" property), buttons' icons by name (the "iconName" property), the
// pairing of every UpDown with its edit, and texts that fit their controls in
// every language; lists that ignore the wheel unless they have the focus.
void applyDesignExtras(QWidget *window);

// Reads the desktop's icon theme, where the buttons' icons are looked for
// first. Qt keeps what it read for every later lookup.
void readIconTheme();
