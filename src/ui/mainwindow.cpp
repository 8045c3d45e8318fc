#include "ui/mainwindow.h"

#include "app/fixedsizewindow.h"
#include "app/messagebox.h"
#include "calculator/calculation.h"
#include "links/offertexts.h"
#include "links/weblink.h"
#include "ui/activecontrol.h"
#include "ui/displaywindow.h"
#include "ui/keyfilterbinding.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/menus.h"
#include "ui/weightpair.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

using namespace Look;

namespace {

const QString kCaption = QStringLiteral("Veltro Weight Loss Calculator v1.0");

} // namespace

MainWindow::MainWindow(Shell& shell)
    : QMainWindow(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kCaption);
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose, false);

    buildControls();
    buildMenus();
    applyTabOrder();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    placeInCentre(this);
    keepFixedSize(this);
}

QLineEdit* MainWindow::textBox(
    QWidget* parent, const QString& name, const QRect& geometry, const QString& accessibleName, const QColor& textColor)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setFont(verdana(8.25));
    edit->setAccessibleName(accessibleName);
    setColors(edit, kCream, textColor, false);
    return edit;
}

QComboBox* MainWindow::list(QWidget* parent, const QString& name, const QRect& geometry, const QString& accessibleName)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(false);
    combo->setGeometry(geometry);
    combo->setFont(verdana(8.25));
    combo->setAccessibleName(accessibleName);
    combo->setMaxVisibleItems(12);
    setColors(combo, kCream, kDarkBlue, false);
    return combo;
}

void MainWindow::buildControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(px(8520), px(7455));
    setColors(client, kNavy, kWhite);
    setCentralWidget(client);

    const QFont frameFont = verdana(8.25, true);
    const QFont unitFont = verdana(8.25);

    m_cmdNext = pushButton(client, QStringLiteral("cmdNext"), QStringLiteral("Calculate"), twips(0, 6000, 8535, 560));
    m_cmdNext->setFont(verdana(8.25, true));
    setColors(m_cmdNext, kCream, Qt::black, false);
    connect(m_cmdNext, &QPushButton::clicked, this, &MainWindow::cmdNext_Click);

    QGroupBox* frame2
        = frame(client, QStringLiteral("Frame2"), QString(), twips(0, 0, 8535, 615), kNavy, kCream, frameFont);
    auto* label61 = new LinkLabel(frame2);
    label61->setObjectName(QStringLiteral("Label61"));
    label61->setText(OfferTexts::forumBanner());
    label61->setGeometry(twips(120, 120, 8160, 465));
    label61->setFont(verdana(9, true, true));
    label61->setAlignment(Qt::AlignCenter);
    label61->setWordWrap(true);
    setColors(label61, kNavy, kCream, false);
    connect(label61, &LinkLabel::clicked, this, &MainWindow::Label61_Click);

    // Below the client area: never seen, but reachable by Alt+X, Tab and File > Exit.
    m_cmdExit = pushButton(client, QStringLiteral("cmdExit"), QStringLiteral("E&xit"), twips(7080, 7920, 2085, 315));
    setColors(m_cmdExit, QColor(124, 165, 231), Qt::black, false);
    connect(m_cmdExit, &QPushButton::clicked, this, &MainWindow::cmdExit_Click);

    QGroupBox* fraName = frame(client, QStringLiteral("fraName"),
        QStringLiteral("Enter the following personal details"), twips(0, 1680, 8535, 4245), kNavy, kCream, frameFont);

    QGroupBox* frame4 = frame(fraName, QStringLiteral("Frame4"), QStringLiteral("Your Weight in Pound/Kg"),
        twips(5280, 1200, 3045, 885), kNavy, kCream, frameFont);
    m_txtKg = textBox(
        frame4, QStringLiteral("txtKg"), twips(1680, 360, 855, 375), QStringLiteral("Weight in kilograms"), Qt::black);
    m_txtPound = textBox(
        frame4, QStringLiteral("txtPound"), twips(120, 360, 855, 375), QStringLiteral("Weight in pounds"), Qt::black);
    label(frame4, QStringLiteral("Label8"), QStringLiteral("Kg"), twips(2640, 480, 225, 195), kWhite, unitFont,
        Qt::AlignLeft | Qt::AlignTop, false, true);
    label(frame4, QStringLiteral("Label5"), QStringLiteral("Pound"), twips(1080, 480, 525, 195), kWhite, unitFont,
        Qt::AlignLeft | Qt::AlignTop, false, true);

    QGroupBox* fraBirthDay = frame(fraName, QStringLiteral("fraBirthDay"), QStringLiteral("Age"),
        twips(6000, 360, 2325, 645), kNavy, kCream, frameFont);
    m_cboAge = list(fraBirthDay, QStringLiteral("cboAge"), twips(120, 240, 1455, 315), QStringLiteral("Age"));
    label(fraBirthDay, QStringLiteral("Label7"), QStringLiteral("Years"), twips(1680, 360, 480, 195), kWhite, unitFont,
        Qt::AlignLeft | Qt::AlignTop, false, true);

    QGroupBox* frame8 = frame(fraName, QStringLiteral("Frame8"), QStringLiteral("How much time do you have? "),
        twips(4440, 2280, 3885, 885), kNavy, kCream, frameFont);
    m_cboDays
        = list(frame8, QStringLiteral("cboDays"), twips(720, 360, 1455, 315), QStringLiteral("Time frame in days"));
    label(frame8, QStringLiteral("Label6"), QStringLiteral("Days"), twips(2400, 480, 435, 195), kWhite, unitFont,
        Qt::AlignLeft | Qt::AlignTop, false, true);

    QGroupBox* frame7 = frame(fraName, QStringLiteral("Frame7"), QStringLiteral("How much weight do you wish to lose?"),
        twips(240, 2280, 4125, 885), kNavy, kCream, frameFont);
    m_txtLossKg = textBox(frame7, QStringLiteral("txtLossKg"), twips(2280, 360, 855, 375),
        QStringLiteral("Weight to lose in kilograms"), Qt::black);
    m_txtLossPound = textBox(frame7, QStringLiteral("txtLossPound"), twips(480, 360, 855, 375),
        QStringLiteral("Weight to lose in pounds"), Qt::black);
    label(frame7, QStringLiteral("Label10"), QStringLiteral("Pound"), twips(1440, 480, 525, 195), kWhite, unitFont,
        Qt::AlignLeft | Qt::AlignTop, false, true);
    label(frame7, QStringLiteral("Label9"), QStringLiteral("Kg"), twips(3240, 480, 225, 195), kWhite, unitFont,
        Qt::AlignLeft | Qt::AlignTop, false, true);

    QGroupBox* frame6 = frame(fraName, QStringLiteral("Frame6"), QStringLiteral("Level of Daily Activity"),
        twips(240, 3240, 8085, 885), kNavy, kCream, frameFont);
    m_cboDailyActivity = list(frame6, QStringLiteral("cboDailyActivity"), twips(120, 360, 7815, 315),
        QStringLiteral("Level of daily activity"));

    QGroupBox* frame3 = frame(fraName, QStringLiteral("Frame3"), QStringLiteral("Your Height"),
        twips(2040, 1200, 3165, 885), kNavy, kCream, frameFont);
    m_cboInch = list(frame3, QStringLiteral("cboInch"), twips(1680, 360, 975, 315), QStringLiteral("Height in inches"));
    m_cboFeet = list(frame3, QStringLiteral("cboFeet"), twips(120, 360, 975, 315), QStringLiteral("Height in feet"));
    label(frame3, QStringLiteral("Label3"), QStringLiteral("inch"), twips(2760, 480, 345, 195), kWhite, unitFont,
        Qt::AlignLeft | Qt::AlignTop, false, true);
    label(frame3, QStringLiteral("Label1"), QStringLiteral("Feet"), twips(1200, 480, 360, 195), kWhite, unitFont,
        Qt::AlignLeft | Qt::AlignTop, false, true);

    QGroupBox* ll = frame(
        fraName, QStringLiteral("ll"), QStringLiteral("Gender"), twips(240, 1200, 1725, 885), kNavy, kCream, frameFont);
    m_cboGender = list(ll, QStringLiteral("cboGender"), twips(120, 360, 1455, 315), QStringLiteral("Gender"));

    QGroupBox* frame1 = frame(fraName, QStringLiteral("Frame1"), QStringLiteral("Name"), twips(240, 360, 5565, 765),
        kNavy, kCream, frameFont);
    m_txtFirstName = textBox(
        frame1, QStringLiteral("txtFirstName"), twips(120, 240, 5145, 345), QStringLiteral("Name"), kDarkBlue);

    QGroupBox* frame5
        = frame(client, QStringLiteral("Frame5"), QString(), twips(0, 6600, 8535, 855), kNavy, kCream, frameFont);
    auto* cobrand = new LinkLabel(frame5);
    cobrand->setObjectName(QStringLiteral("lblCobrand"));
    cobrand->setText(OfferTexts::coBrandOffer());
    cobrand->setGeometry(twips(120, 160, 8145, 615));
    auto* fullBrand = new LinkLabel(frame5);
    fullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    fullBrand->setText(OfferTexts::fullBrandOffer());
    fullBrand->setGeometry(twips(120, 165, 8145, 615));
    for (LinkLabel* offer : {cobrand, fullBrand}) {
        offer->setFont(verdana(8.25, true, true));
        offer->setAlignment(Qt::AlignCenter);
        offer->setWordWrap(true);
        setColors(offer, kNavy, kCream, true);
    }
    connect(cobrand, &LinkLabel::clicked, this, &MainWindow::lblCobrand_Click);
    connect(fullBrand, &LinkLabel::clicked, this, &MainWindow::lblFullBrand_Click);
    m_lblCobrand = cobrand;
    m_lblFullBrand = fullBrand;

    auto* label2 = new LinkLabel(client);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setText(QStringLiteral(
        "Do you feel you are overweight and need to lose weight? Do you need to lose weight in a fixed time period? Do "
        "you need to control your diet? Know more about the right calorie intake based on your level of daily "
        "physical activity with Veltro Weight Loss Calculator. Enter the following personal details to get started."));
    label2->setGeometry(twips(120, 720, 8295, 855));
    label2->setFont(verdana(9, true));
    label2->setAlignment(Qt::AlignCenter);
    label2->setWordWrap(true);
    label2->unsetCursor();
    setColors(label2, kNavy, kWhite, false);
    connect(label2, &LinkLabel::clicked, this, &MainWindow::Label2_Click);

    // Typed characters pass the key filters; leaving a weight box converts into its partner.
    new KeyFilterBinding(m_txtFirstName, filterNameKey, QMessageBox::Information);
    for (QLineEdit* weight : {m_txtPound, m_txtKg, m_txtLossPound, m_txtLossKg})
        new KeyFilterBinding(weight, filterWeightKey, QMessageBox::Information);
    auto* activeControl = new ActiveControl(this);
    new WeightPair(m_txtPound, m_txtKg, activeControl, this);
    new WeightPair(m_txtLossPound, m_txtLossKg, activeControl, this);
}

void MainWindow::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setFont(verdana(8.25));

    QMenu* nuFile = addMenu(bar, "nuFile", QStringLiteral("&File"));
    addMenuAction(nuFile, "mnuNext", QStringLiteral("Calculate"), this, &MainWindow::mnuNext_Click);
    addMenuAction(nuFile, "mnuExit", QStringLiteral("E&xit"), this, &MainWindow::mnuExit_Click);

    QMenu* mnuHelp = addMenu(bar, "mnuHelp", QStringLiteral("&Help"));
    addMenuAction(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"), this, &MainWindow::mnuOnline_Click);
    addMenuAction(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"), this, &MainWindow::mnuVisit_Click);
    addSeparator(mnuHelp, "mnuFileSep1");
    addMenuAction(
        mnuHelp, "mnuUpdate", QStringLiteral("&Check for Software Update"), this, &MainWindow::mnuUpdate_Click);
    addSeparator(mnuHelp, "mnuFileSep2");
    addMenuAction(mnuHelp, "mnuAbout", QStringLiteral("&About Software"), this, &MainWindow::mnuAbout_Click);

    addMenuAction(bar, "mnuDonate", QStringLiteral("&Donate"), this, &MainWindow::mnuDonate_Click);
    // Switched off from the start and never switched on.
    addMenuAction(bar, "mnumakemoney", QStringLiteral("Make Money &Online"), this, &MainWindow::mnumakemoney_Click)
        ->setEnabled(false);
}

void MainWindow::applyTabOrder()
{
    const QList<QWidget*> order {m_txtFirstName, m_cboAge, m_cmdExit, m_cboGender, m_cboFeet, m_cboInch, m_cmdNext,
        m_cboDailyActivity, m_cboDays, m_txtPound, m_txtKg, m_txtLossPound, m_txtLossKg};
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
    QWidget::setTabOrder(m_txtLossKg, m_txtFirstName);
}

void MainWindow::Form_Load()
{
    // Each list filled in one insertion: a thousand single ones cost the start-up
    // several milliseconds.
    const auto numbers = [](int first, int last) {
        QStringList texts;
        texts.reserve(last - first + 1);
        for (int n = first; n <= last; ++n)
            texts.append(QString::number(n));
        return texts;
    };
    m_cboAge->addItems(numbers(6, 125));
    m_cboFeet->addItems(numbers(0, 12));
    m_cboInch->addItems(numbers(0, 11));
    m_cboDays->addItems(numbers(1, 1000));
    m_cboGender->addItems({QStringLiteral("Male"), QStringLiteral("Female")});
    m_cboDailyActivity->addItems(activityLevelTexts());

    for (QComboBox* combo : {m_cboAge, m_cboGender, m_cboFeet, m_cboInch, m_cboDailyActivity, m_cboDays})
        combo->setCurrentIndex(0);

    m_txtFirstName->setFocus(Qt::OtherFocusReason);
}

void MainWindow::Form_Unload()
{
    // The exit step: closing a working window shows the exit screen; the window
    // closes all the same.
    m_shell.showForm(FormId::ExitScreen);
}

PersonalDetails MainWindow::personalDetails() const
{
    PersonalDetails d;
    d.Name = m_txtFirstName->text();
    d.Gender = m_cboGender->currentText();
    d.Age = m_cboAge->currentText();
    d.HeightFeet = m_cboFeet->currentText();
    d.HeightInches = m_cboInch->currentText();
    d.WeightPounds = m_txtPound->text();
    d.WeightKg = m_txtKg->text();
    d.LossPounds = m_txtLossPound->text();
    d.LossKg = m_txtLossKg->text();
    d.TimeFrameDays = m_cboDays->currentText();
    d.ActivityIndex = m_cboDailyActivity->currentIndex();
    d.ActivityText = m_cboDailyActivity->currentText();
    return d;
}

QWidget* MainWindow::box(DetailBox which) const
{
    switch (which) {
    case DetailBox::FirstName:
        return m_txtFirstName;
    case DetailBox::Pound:
        return m_txtPound;
    case DetailBox::Kg:
        return m_txtKg;
    case DetailBox::LossPound:
        return m_txtLossPound;
    case DetailBox::LossKg:
        return m_txtLossKg;
    }
    return nullptr;
}

bool MainWindow::ValidateDetails()
{
    const auto failure = validateDetails(personalDetails());
    if (!failure)
        return true;
    MessageBox::information(this, failure->message);
    if (QWidget* offending = box(failure->box))
        offending->setFocus(Qt::OtherFocusReason);
    return false;
}

void MainWindow::cmdNext_Click()
{
    if (!ValidateDetails())
        return;
    m_shell.calorieResult() = CalculateCalories(personalDetails(), m_shell.calorieResult());
    ShowResults(m_shell);
}

void MainWindow::cmdExit_Click()
{
    m_shell.unloadForm(FormId::Main);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!m_shell.isUnloading(FormId::Main))
        m_shell.unloadForm(FormId::Main);
    event->accept();
}

void MainWindow::mnuAbout_Click()
{
    m_shell.showAboutModal(this);
}
