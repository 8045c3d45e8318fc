#pragma once

#include "app/shell.h"

#include <QWidget>

// frmExitScreen: the last window of a run; closing it ends the program.
class ExitScreen final : public QWidget, public FormSteps
{
    Q_OBJECT

public:
    explicit ExitScreen(Shell& shell);

    void Form_Load() override;
    void Form_Unload() override;

    void cmdClose_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Shell& m_shell;
};
