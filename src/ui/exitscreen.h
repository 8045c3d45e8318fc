#pragma once

#include "referral/referral.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class RandomSource;

// frmExitScreen: the last window of a run. It asks the user to support the forum,
// advertises the maker's other programs and holds the refer-a-friend form; closing
// it ends the program.
class ExitScreen final : public QWidget
{
    Q_OBJECT

public:
    ExitScreen();

    // The load step: reseeds the program's generator and shows one of the four
    // support messages, drawn from it. Until then the window shows message 1.
    void drawSupportMessage(RandomSource& random);

    // The texts of the last press of the submit button, each trimmed of its spaces,
    // kept until the next press whether or not the submission went through.
    const ReferralFields& submittedFields() const { return m_submitted; }

    // A text box's text as the program reads it: the message box writes its line
    // breaks as a carriage return and a line feed.
    static QString boxText(const QWidget* box);
    static void setBoxText(QWidget* box, const QString& text);

public slots:
    // Refer A Friend Now: the checks' first message, or the address opened.
    void submitReferral();

signals:
    // Exit (Alt+X) or the close box.
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QLineEdit* textBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& placeholder,
        const QString& accessibleName);
    void visitForum();
    void activeControlChanged(QWidget* previous, QWidget* current);
    static QString placeholderOf(const QWidget* box);

    QWidget* m_clientArea = nullptr;
    QPushButton* m_cmdClose = nullptr;
    QPushButton* m_cmdSubmit = nullptr;
    QCheckBox* m_check1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_txtName = nullptr;
    QLineEdit* m_txtEmail = nullptr;
    QLineEdit* m_txtFriendName = nullptr;
    QLineEdit* m_txtFriendEmail = nullptr;
    QPlainTextEdit* m_txtMessage = nullptr;
    ReferralFields m_submitted;
};
