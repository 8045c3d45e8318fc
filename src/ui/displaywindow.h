#pragma once

#include "app/shell.h"
#include "calculator/resulttexts.h"
#include "links/weblink.h"

#include <QMainWindow>

class QLabel;

// frmDisplay: the results of one calculation.
class DisplayWindow final : public QMainWindow, public FormSteps
{
    Q_OBJECT

public:
    explicit DisplayWindow(Shell& shell);

    void Form_Unload() override;

    void writeResults(const ResultTexts& texts);

    void cmdBack_Click();
    void mnuBack_Click() { cmdBack_Click(); }
    void mnuExit_Click();
    void mnuOnline_Click() { OpenWebLink(WebLink::OnlineHelp); }
    void mnuVisit_Click() { OpenWebLink(WebLink::HomePage); }
    void mnuUpdate_Click() { OpenWebLink(WebLink::DownloadPage); }
    void mnuAbout_Click();
    void mnuDonate_Click() { OpenWebLink(WebLink::DonatePage); }
    void mnumakemoney_Click() { OpenWebLink(WebLink::FullBrandOffer); }
    void Label61_Click() { OpenWebLink(WebLink::HomePage); }
    void lblCobrand_Click() { OpenWebLink(WebLink::CoBrandOffer); }
    void lblFullBrand_Click() { OpenWebLink(WebLink::FullBrandOffer); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();

    Shell& m_shell;
    QLabel* m_lblName = nullptr;
    QLabel* m_lblAge = nullptr;
    QLabel* m_lblHeight = nullptr;
    QLabel* m_lblWeight = nullptr;
    QLabel* m_lblActivityLevel = nullptr;
    QLabel* m_lblLossWeight = nullptr;
    QLabel* m_lblTimeFrame = nullptr;
    QLabel* m_lblResult1 = nullptr;
    QLabel* m_lblResult2 = nullptr;
};

// The last step of Calculate: writes the details and both results into the results
// window, hides the main window and the exit screen, and shows the results.
void ShowResults(Shell& shell);
