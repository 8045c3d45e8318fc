#pragma once

class QWidget;

// The fixed windows are drawn for their English texts. A translated text may need
// more room than its control has; these make room for it.
namespace TextFit {

// The width a control needs to show its whole text on one line: a label that does
// not wrap, a button, a check box, a radio button, a frame's caption. -1 for a
// control without such a text.
int neededWidth(const QWidget* control);

// The height a word-wrapped label needs at its width; -1 for any other control.
int neededHeight(const QWidget* control);

// Grows every control of the window whose text needs more room than it has. The
// controls beside it in its row (on its right) or its column (below a wrapped label)
// move on by as much as they would otherwise be covered, its frame and the window
// grow with it, and a control that spans its frame grows with the frame. Controls
// that have room keep their size and place. A main window's central widget holds its
// controls; any other window holds them itself.
void fitWindow(QWidget* window);

} // namespace TextFit
