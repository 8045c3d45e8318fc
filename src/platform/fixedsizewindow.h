#pragma once

class QWidget;

// The program's windows have one size each and can be neither resized, maximised
// nor minimised. Desktops told so by a minimum size equal to the maximum honour it,
// except on Wayland, where a compositor may maximise such a window all the same
// (Weston does) and then ends the connection of a client whose surface does not
// take the maximised size, as the xdg-shell protocol requires. And Qt's own title
// bar on Wayland (the bradient decoration of Qt 6.4) draws minimise and maximise
// buttons whatever the window's flags say, with nothing a program can do about it;
// on a compositor without a task bar, a minimised window is lost for good.
//
// So on Wayland the window's maximum size is left open: whatever size a compositor
// gives it is taken at once, and the window then asks to be normal again and takes
// back its own size. Minimised, it comes straight back; a dialog closes as by
// Escape. Elsewhere this does nothing: the window's fixed size stays as it is.
void keepFixedSize(QWidget* window);
