#pragma once

#include "app/shell.h"

#include <QDialog>

// frmAbout: names the program, says what it does and links to the maker's pages.
// Always shown modal, with no owner window.
class AboutWindow final : public QDialog, public FormSteps
{
    Q_OBJECT

public:
    explicit AboutWindow(Shell& shell);

    void cmdOK_Click();
    void lblCobrand_Click();
    void lblHomePage_Click();

    // The description ends with the rights sentence, run on without a blank.
    static QString descriptionText();
    static QString homePageInvitation();

private:
    Shell& m_shell;
};
