// The program's shared Hebrew interface font: the face the Hebrew edit
// control types in, 16 pixels high at 96 dots per inch, for the dialog
// controls that show the program's Hebrew codes.
#pragma once

class CDC;
class CFont;
class CWnd;

// Builds the font for the screen's pixels per inch (the main frame does it
// when it is created).
void CreateHebrewInterfaceFont(CDC* pScreenDC, int dpi);
// Null until it has been built.
CFont* GetHebrewInterfaceFont();
// Gives the control the font (with redraw), when it exists.
void SetHebrewInterfaceFont(CWnd* pControl);
