#include "ui/mainwindow.h"

#include "calculator/calculation.h"
#include "calculator/height.h"
#include "platform/messagebox.h"
#include "ui/activecontrol.h"
#include "ui/keyfilterbinding.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/weightpair.h"
#include "ui/windowparts.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

using namespace Look;
using namespace WindowParts;

namespace {

const QString kMale = QStringLiteral("Male");
const QString kFemale = QStringLiteral("Female");

} // namespace

MainWindow::MainWindow()
    : WorkingWindow(8520, 7455)
{
    buildControls();
    // The File menu's name lacks the "m" of the others. Its Exit is the hidden Exit
    // button's, Alt+X.
    addMenus("nuFile",
        {
            //: File menu of the main window: checks the details and shows the results.
            //: It has no access key, as it never had one.
            {"mnuNext", QT_TRANSLATE_NOOP("Menu", "Calculate"), [this] { calculate(); }},
            {"mnuProgressSep"},
            //: File menu: opens the progress window, where weigh-ins are kept.
            {"mnuProgress", QT_TRANSLATE_NOOP("Menu", "Your P&rogress..."), [this] { emit progressRequested(); }},
            //: File menu of the main window, a check mark: the height is entered in
            //: centimetres in one box instead of feet and inches in two lists.
            {"mnuCentimetres", QT_TRANSLATE_NOOP("Menu", "Height in &Centimetres"),
                [this] {
                    setHeightInCentimetres(m_mnuCentimetres->isChecked());
                    emit heightUnitChosen(m_mnuCentimetres->isChecked());
                }},
            {"mnuExitSep"},
            //: File menu: ends the program through the exit screen.
            {"mnuExit", QT_TRANSLATE_NOOP("Menu", "E&xit"), [this] { emit closeRequested(); }},
        },
        //: Help menu of the main window: opens the download page in the browser. The
        //: results window has the same command with another access key.
        {"mnuFileSep1", "mnuFileSep2", QT_TRANSLATE_NOOP("Menu", "&Check for Software Update")});
    m_mnuCentimetres = findChild<QAction*>(QStringLiteral("mnuCentimetres"));
    m_mnuCentimetres->setCheckable(true);
    applyTabOrder();
    fillLists();
    finish(QStringLiteral("frmMain"));
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
    QWidget* client = clientArea();
    const QFont frameFont = verdana(8.25, true);
    // A unit beside a box or a list, which a screen reader reads with it: "Feet" and
    // "inch" tell the two height lists apart.
    const auto unit = [](QWidget* control, const QString& name, const QString& text, const QRect& geometry) {
        QLabel* l = label(control->parentWidget(), name, text, geometry, kWhite, verdana(8.25),
            Qt::AlignLeft | Qt::AlignTop, false, true);
        l->setBuddy(control);
    };

    //: Main window: the wide button under the details, 569 px wide, bold.
    m_cmdNext = pushButton(client, QStringLiteral("cmdNext"), tr("Calculate"), twips(0, 6000, 8535, 560));
    m_cmdNext->setFont(verdana(8.25, true));
    setColors(m_cmdNext, kCream, Qt::black, false);
    connect(m_cmdNext, &QPushButton::clicked, this, &MainWindow::calculate);

    addForumBanner(twips(0, 0, 8535, 615), twips(120, 120, 8160, 465), kNavy);

    // Below the client area: never seen, but reachable by Alt+X, Tab and File > Exit.
    //: Main window: a button below the visible area, never seen; a screen reader reads
    //: it and its access key works. 139 px wide.
    m_cmdExit = pushButton(client, QStringLiteral("cmdExit"), tr("E&xit"), twips(7080, 7920, 2085, 315));
    setColors(m_cmdExit, QColor(124, 165, 231), Qt::black, false);
    connect(m_cmdExit, &QPushButton::clicked, this, &MainWindow::closeRequested);

    //: Main window: caption of the frame around all the details, on its top edge; the
    //: frame is 569 px wide.
    QGroupBox* fraName = frame(client, QStringLiteral("fraName"), tr("Enter the following personal details"),
        twips(0, 1680, 8535, 4245), kNavy, kCream, frameFont);

    //: Main window: caption of the frame around the two weight boxes, on its top edge;
    //: the frame is 203 px wide.
    QGroupBox* frame4 = frame(fraName, QStringLiteral("Frame4"), tr("Your Weight in Pound/Kg"),
        twips(5280, 1200, 3045, 885), kNavy, kCream, frameFont);
    //: Main window: what a screen reader calls the box of the weight in kilograms.
    m_txtKg
        = textBox(frame4, QStringLiteral("txtKg"), twips(1680, 360, 855, 375), tr("Weight in kilograms"), Qt::black);
    //: Main window: what a screen reader calls the box of the weight in pounds.
    m_txtPound
        = textBox(frame4, QStringLiteral("txtPound"), twips(120, 360, 855, 375), tr("Weight in pounds"), Qt::black);
    //: Main window: unit beside a kilogram box, 15 px wide; keep it as short as "Kg".
    unit(m_txtKg, QStringLiteral("Label8"), tr("Kg"), twips(2640, 480, 225, 195));
    //: Main window: unit beside a pound box, 35 px wide; keep it as short as "Pound".
    unit(m_txtPound, QStringLiteral("Label5"), tr("Pound"), twips(1080, 480, 525, 195));

    //: Main window: caption of the frame around the age list, on its top edge; the frame
    //: is 155 px wide. Also what a screen reader calls the list.
    QGroupBox* fraBirthDay = frame(
        fraName, QStringLiteral("fraBirthDay"), tr("Age"), twips(6000, 360, 2325, 645), kNavy, kCream, frameFont);
    //: Main window: what a screen reader calls the age list; also the caption of its
    //: frame, 155 px wide.
    m_cboAge = list(fraBirthDay, QStringLiteral("cboAge"), twips(120, 240, 1455, 315), tr("Age"));
    //: Main window: unit beside the age list, 32 px wide; keep it as short as "Years".
    unit(m_cboAge, QStringLiteral("Label7"), tr("Years"), twips(1680, 360, 480, 195));

    //: Main window: caption of the frame around the list of days, on its top edge; the
    //: frame is 259 px wide. The space at the end is part of the caption.
    QGroupBox* frame8 = frame(fraName, QStringLiteral("Frame8"), tr("How much time do you have? "),
        twips(4440, 2280, 3885, 885), kNavy, kCream, frameFont);
    //: Main window: what a screen reader calls the list of days to lose the weight in.
    m_cboDays = list(frame8, QStringLiteral("cboDays"), twips(720, 360, 1455, 315), tr("Time frame in days"));
    //: Main window: unit beside the list of days, 29 px wide; keep it as short as "Days".
    unit(m_cboDays, QStringLiteral("Label6"), tr("Days"), twips(2400, 480, 435, 195));

    //: Main window: caption of the frame around the two boxes of the weight to lose, on
    //: its top edge; the frame is 275 px wide.
    QGroupBox* frame7 = frame(fraName, QStringLiteral("Frame7"), tr("How much weight do you wish to lose?"),
        twips(240, 2280, 4125, 885), kNavy, kCream, frameFont);
    //: Main window: what a screen reader calls the box of the weight to lose in kilograms.
    m_txtLossKg = textBox(
        frame7, QStringLiteral("txtLossKg"), twips(2280, 360, 855, 375), tr("Weight to lose in kilograms"), Qt::black);
    //: Main window: what a screen reader calls the box of the weight to lose in pounds.
    m_txtLossPound = textBox(
        frame7, QStringLiteral("txtLossPound"), twips(480, 360, 855, 375), tr("Weight to lose in pounds"), Qt::black);
    //: Main window: unit beside a pound box, 35 px wide; keep it as short as "Pound".
    unit(m_txtLossPound, QStringLiteral("Label10"), tr("Pound"), twips(1440, 480, 525, 195));
    //: Main window: unit beside a kilogram box, 15 px wide; keep it as short as "Kg".
    unit(m_txtLossKg, QStringLiteral("Label9"), tr("Kg"), twips(3240, 480, 225, 195));

    //: Main window: caption of the frame around the activity list, on its top edge; the
    //: frame is 539 px wide.
    QGroupBox* frame6 = frame(fraName, QStringLiteral("Frame6"), tr("Level of Daily Activity"),
        twips(240, 3240, 8085, 885), kNavy, kCream, frameFont);
    //: Main window: what a screen reader calls the list of levels of daily activity.
    m_cboDailyActivity
        = list(frame6, QStringLiteral("cboDailyActivity"), twips(120, 360, 7815, 315), tr("Level of daily activity"));

    //: Main window: caption of the frame around the height lists (or the centimetre
    //: box), on its top edge; the frame is 211 px wide.
    QGroupBox* frame3 = frame(
        fraName, QStringLiteral("Frame3"), tr("Your Height"), twips(2040, 1200, 3165, 885), kNavy, kCream, frameFont);
    //: Main window: what a screen reader calls the list of the height's inches.
    m_cboInch = list(frame3, QStringLiteral("cboInch"), twips(1680, 360, 975, 315), tr("Height in inches"));
    //: Main window: what a screen reader calls the list of the height's feet.
    m_cboFeet = list(frame3, QStringLiteral("cboFeet"), twips(120, 360, 975, 315), tr("Height in feet"));
    //: Main window: unit beside the list of the height's inches, 23 px wide; keep it as
    //: short as "inch". The small letter is as the window has always had it.
    unit(m_cboInch, QStringLiteral("Label3"), tr("inch"), twips(2760, 480, 345, 195));
    //: Main window: unit beside the list of the height's feet, 24 px wide; keep it as
    //: short as "Feet".
    unit(m_cboFeet, QStringLiteral("Label1"), tr("Feet"), twips(1200, 480, 360, 195));
    // In place of the two lists while the height is given in centimetres.
    //: Main window: what a screen reader calls the box of the height in centimetres.
    m_txtCm
        = textBox(frame3, QStringLiteral("txtCm"), twips(120, 360, 975, 315), tr("Height in centimetres"), kDarkBlue);
    m_txtCm->setMaxLength(3);
    m_txtCm->hide();
    //: Main window: unit beside the box of the height in centimetres, 24 px wide; keep
    //: it as short as "cm".
    m_lblCm = label(frame3, QStringLiteral("lblCm"), tr("cm"), twips(1200, 480, 360, 195), kWhite, verdana(8.25),
        Qt::AlignLeft | Qt::AlignTop, false, true);
    m_lblCm->setBuddy(m_txtCm);
    m_lblCm->hide();

    //: Main window: caption of the frame around the gender list, on its top edge; the
    //: frame is 115 px wide. Also what a screen reader calls the list.
    QGroupBox* ll
        = frame(fraName, QStringLiteral("ll"), tr("Gender"), twips(240, 1200, 1725, 885), kNavy, kCream, frameFont);
    //: Main window: what a screen reader calls the gender list; also the caption of its
    //: frame, 115 px wide.
    m_cboGender = list(ll, QStringLiteral("cboGender"), twips(120, 360, 1455, 315), tr("Gender"));

    //: Main window: caption of the frame around the name box, on its top edge; the frame
    //: is 371 px wide. Also what a screen reader calls the box.
    QGroupBox* frame1
        = frame(fraName, QStringLiteral("Frame1"), tr("Name"), twips(240, 360, 5565, 765), kNavy, kCream, frameFont);
    //: Main window: what a screen reader calls the name box; also the caption of its
    //: frame, 371 px wide.
    m_txtFirstName = textBox(frame1, QStringLiteral("txtFirstName"), twips(120, 240, 5145, 345), tr("Name"), kDarkBlue);

    const OfferBand offers
        = addOfferBand(twips(0, 6600, 8535, 855), twips(120, 160, 8145, 615), twips(120, 165, 8145, 615));
    m_lblCobrand = offers.coBrand;
    m_lblFullBrand = offers.fullBrand;

    //: Main window: the introduction under the banner, centred in bold 9 pt in a box of
    //: 553 x 57 px (four lines at most). "Veltro" is the product's name.
    LinkLabel* label2 = pageLink(client, QStringLiteral("Label2"),
        tr("Do you feel you are overweight and need to lose weight? Do you need to lose weight in a fixed time period? "
           "Do you need to control your diet? Know more about the right calorie intake based on your level of daily "
           "physical activity with Veltro Weight Loss Calculator. Enter the following personal details to get "
           "started."),
        WebLink::FullBrandOffer);
    label2->setGeometry(twips(120, 720, 8295, 855));
    label2->setFont(verdana(9, true));
    label2->setAlignment(Qt::AlignCenter);
    label2->setWordWrap(true);
    label2->unsetCursor();
    setColors(label2, kNavy, kWhite, false);

    // Typed characters pass the key filters; leaving a weight box converts into its partner.
    new KeyFilterBinding(m_txtFirstName, filterNameKey, QMessageBox::Information);
    for (QLineEdit* weight : {m_txtPound, m_txtKg, m_txtLossPound, m_txtLossKg, m_txtCm})
        new KeyFilterBinding(weight, filterWeightKey, QMessageBox::Information);
    auto* activeControl = new ActiveControl(this);
    auto* weight = new WeightPair(m_txtPound, m_txtKg, activeControl, this);
    connect(weight, &WeightPair::typedIn, this, &MainWindow::weightUnitChosen);
    new WeightPair(m_txtLossPound, m_txtLossKg, activeControl, this);
}

void MainWindow::applyTabOrder()
{
    // The centimetres box stands in for the two height lists, which are hidden then.
    const QList<QWidget*> order {m_txtFirstName, m_cboAge, m_cmdExit, m_cboGender, m_cboFeet, m_cboInch, m_txtCm,
        m_cmdNext, m_cboDailyActivity, m_cboDays, m_txtPound, m_txtKg, m_txtLossPound, m_txtLossKg};
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order.at(i), order.at(i + 1));
    QWidget::setTabOrder(m_txtLossKg, m_txtFirstName);
}

void MainWindow::fillLists()
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
    // The list shows the genders in the language in force; the details carry the
    // English word, which chooses the equation and is kept with a followed plan.
    const QStringList genders = genderTexts();
    m_cboGender->addItem(genders.at(0), kMale);
    m_cboGender->addItem(genders.at(1), kFemale);
    m_cboDailyActivity->addItems(activityLevelTexts());

    for (QComboBox* combo : {m_cboAge, m_cboGender, m_cboFeet, m_cboInch, m_cboDailyActivity, m_cboDays})
        combo->setCurrentIndex(0);

    m_txtFirstName->setFocus(Qt::OtherFocusReason);
}

void MainWindow::setHeightInCentimetres(bool centimetres)
{
    m_mnuCentimetres->setChecked(centimetres);
    if (centimetres == heightInCentimetres())
        return;
    if (centimetres) {
        const auto carried
            = feetAndInchesToCentimetres(m_cboFeet->currentText().toInt(), m_cboInch->currentText().toInt());
        m_txtCm->setText(carried ? QString::number(*carried) : QString());
    } else if (const auto cm = readCentimetres(m_txtCm->text())) {
        const auto [feet, inches] = centimetresToFeetAndInches(*cm);
        m_cboFeet->setCurrentIndex(m_cboFeet->findText(QString::number(feet)));
        m_cboInch->setCurrentIndex(m_cboInch->findText(QString::number(inches)));
    }
    const bool focusWasThere = m_txtCm->hasFocus() || m_cboFeet->hasFocus() || m_cboInch->hasFocus();
    const QList<QWidget*> listsAndUnits {m_cboFeet, m_cboInch, findChild<QWidget*>(QStringLiteral("Label1")),
        findChild<QWidget*>(QStringLiteral("Label3"))};
    for (QWidget* w : listsAndUnits)
        w->setVisible(!centimetres);
    m_txtCm->setVisible(centimetres);
    m_lblCm->setVisible(centimetres);
    if (focusWasThere)
        (centimetres ? static_cast<QWidget*>(m_txtCm) : m_cboFeet)->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::heightInCentimetres() const
{
    return !m_txtCm->isHidden();
}

void MainWindow::putOfferInFront(OfferLabel offer)
{
    (offer == OfferLabel::CoBrand ? m_lblCobrand : m_lblFullBrand)->raise();
}

PersonalDetails MainWindow::personalDetails() const
{
    PersonalDetails d;
    d.name = m_txtFirstName->text();
    d.gender = m_cboGender->currentData().toString();
    d.age = m_cboAge->currentText();
    d.heightFeet = m_cboFeet->currentText();
    d.heightInches = m_cboInch->currentText();
    d.heightInCentimetres = heightInCentimetres();
    d.heightCentimetres = d.heightInCentimetres ? m_txtCm->text() : QString();
    d.weightPounds = m_txtPound->text();
    d.weightKg = m_txtKg->text();
    d.lossPounds = m_txtLossPound->text();
    d.lossKg = m_txtLossKg->text();
    d.timeFrameDays = m_cboDays->currentText();
    d.activityIndex = m_cboDailyActivity->currentIndex();
    d.activityText = m_cboDailyActivity->currentText();
    return d;
}

QWidget* MainWindow::box(DetailBox which) const
{
    switch (which) {
    case DetailBox::FirstName:
        return m_txtFirstName;
    case DetailBox::Centimetres:
        return m_txtCm;
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

void MainWindow::calculate()
{
    const auto failure = validateDetails(personalDetails());
    if (!failure) {
        emit calculateRequested(personalDetails());
        return;
    }
    QPointer<MainWindow> self = this;
    MessageBox::information(this, failure->message);
    // The box's event loop may have seen the window go.
    QWidget* offending = self ? box(failure->box) : nullptr;
    if (!offending)
        return;
    offending->setFocus(Qt::OtherFocusReason);
    // A pound box that is not empty holds no figure: what is there is shown selected,
    // to be typed over.
    if (auto* edit = qobject_cast<QLineEdit*>(offending); edit && !edit->text().isEmpty())
        edit->selectAll();
}
