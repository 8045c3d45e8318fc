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
// move on as far as they would otherwise be covered (a column of them together), its
// frame and the window grow with it; what spans the frame grows with it, what stood
// at its far edge moves with that edge. Controls that have room keep their size and
// place; controls placed by a layout are left to it. A main window's central widget
// holds its controls; any other window holds them itself.
void fitWindow(QWidget* window);

} // namespace TextFit
