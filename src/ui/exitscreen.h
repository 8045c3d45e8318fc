#pragma once

#include "app/shell.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// frmExitScreen: the last window of a run. It asks the user to support the forum,
// advertises the maker's other programs and holds the refer-a-friend form; closing
// it ends the program.
class ExitScreen final : public QWidget, public FormSteps
{
    Q_OBJECT

public:
    explicit ExitScreen(Shell& shell);

    void Form_Load() override;
    void Form_Unload() override;

    void cmdClose_Click();
    void cmdSubmit_Click();
    void Check1_Click();
    void lblGoToHome_Click();

    // A text box's text as the program reads it: the message box writes its line
    // breaks as a carriage return and a line feed.
    static QString boxText(const QWidget* box);
    static void setBoxText(QWidget* box, const QString& text);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void activeControlChanged(QWidget* previous, QWidget* current);
    static QString placeholderOf(const QWidget* box);
    void buildControls();
    QLineEdit* textBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& placeholder,
        const QString& accessibleName);

    Shell& m_shell;

    QPushButton* m_cmdClose = nullptr;
    QPushButton* m_cmdSubmit = nullptr;
    QCheckBox* m_check1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_txtName = nullptr;
    QLineEdit* m_txtEmail = nullptr;
    QLineEdit* m_txtFriendName = nullptr;
    QLineEdit* m_txtFriendEmail = nullptr;
    QPlainTextEdit* m_txtMessage = nullptr;
};
