#pragma once

#include <QDialog>

// frmAbout: names the program, says what it does and links to the maker's pages.
// Shown modal, with no owner window; OK, Enter, Escape and the close box close it.
class AboutWindow final : public QDialog
{
    Q_OBJECT

public:
    AboutWindow();

    // The description ends with the rights sentence, run on without a blank.
    static QString descriptionText();
    static QString homePageInvitation();
};
