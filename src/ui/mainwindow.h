#pragma once

#include "app/shell.h"
#include "calculator/personaldetails.h"
#include "calculator/validation.h"
#include "links/weblink.h"

#include <QLabel>
#include <QMainWindow>

class QAction;
class QComboBox;
class QLineEdit;
class QMenu;
class QPushButton;

// frmMain: the window in which the user enters the personal details.
class MainWindow final : public QMainWindow, public FormSteps
{
    Q_OBJECT

public:
    explicit MainWindow(Shell& shell);

    void Form_Load() override;
    void Form_Unload() override;

    // The details as the controls hold them now; the controls are their only store.
    PersonalDetails personalDetails() const;

    QLabel* lblCobrand() const { return m_lblCobrand; }
    QLabel* lblFullBrand() const { return m_lblFullBrand; }

    void cmdNext_Click();
    void mnuNext_Click() { cmdNext_Click(); }
    void cmdExit_Click();
    void mnuExit_Click() { cmdExit_Click(); }
    void mnuOnline_Click() { OpenWebLink(WebLink::OnlineHelp); }
    void mnuVisit_Click() { OpenWebLink(WebLink::HomePage); }
    void mnuUpdate_Click() { OpenWebLink(WebLink::DownloadPage); }
    void mnuAbout_Click();
    void mnuDonate_Click() { OpenWebLink(WebLink::DonatePage); }
    void mnumakemoney_Click() { OpenWebLink(WebLink::FullBrandOffer); }
    void Label61_Click() { OpenWebLink(WebLink::HomePage); }
    void Label2_Click() { OpenWebLink(WebLink::FullBrandOffer); }
    void lblCobrand_Click() { OpenWebLink(WebLink::CoBrandOffer); }
    void lblFullBrand_Click() { OpenWebLink(WebLink::FullBrandOffer); }

    // Shows the first missing detail's message and puts the focus there.
    bool ValidateDetails();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void applyTabOrder();
    QLineEdit* textBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& accessibleName,
        const QColor& textColor);
    QComboBox* list(QWidget* parent, const QString& name, const QRect& geometry, const QString& accessibleName);
    QWidget* box(DetailBox which) const;

    Shell& m_shell;

    QPushButton* m_cmdNext = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QLineEdit* m_txtFirstName = nullptr;
    QLineEdit* m_txtKg = nullptr;
    QLineEdit* m_txtPound = nullptr;
    QLineEdit* m_txtLossKg = nullptr;
    QLineEdit* m_txtLossPound = nullptr;
    QComboBox* m_cboAge = nullptr;
    QComboBox* m_cboDays = nullptr;
    QComboBox* m_cboDailyActivity = nullptr;
    QComboBox* m_cboInch = nullptr;
    QComboBox* m_cboFeet = nullptr;
    QComboBox* m_cboGender = nullptr;
    QLabel* m_lblCobrand = nullptr;
    QLabel* m_lblFullBrand = nullptr;
};
