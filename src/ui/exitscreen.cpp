#include "ui/exitscreen.h"

#include "links/siteconfig.h"
#include "platform/desktop.h"
#include "platform/messagebox.h"
#include "platform/randomsource.h"
#include "ui/activecontrol.h"
#include "ui/keyfilterbinding.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/screenfit.h"
#include "ui/supportmessages.h"
#include "ui/windowparts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace Look;

namespace {

const QColor kFrameNavy {0, 0, 128};
const QColor kYellow {255, 255, 0};
const QColor kLinkBlue {0, 0, 192};
const char* const kPlaceholderProperty = "placeholder";

// The run of spaces pushes the second paragraph onto a line of its own in the
// word-wrapped label.
QString catalogueParagraph()
{
    //: Exit screen: first paragraph of the text in the frame on the right, word-wrapped
    //: in 233 x 257 px together with the second (set smaller where it does not fit).
    //: "Quillory Softwares" is the maker's name and stays as it is.
    return ExitScreen::tr("If you have enjoyed this software you will surely be interested in our other Quillory "
                          "Softwares. From a single software, we have now grown to become the world\u2019s largest "
                          "resource of quillory softwares. Be it astrology, psychic, tarot, numerology or occult, we "
                          "have programs in all fields thus giving our users a wide choice depending on their "
                          "interests.")
        + QString(61, QLatin1Char(' '))
        //: Exit screen: second paragraph of the text in the frame on the right, word-wrapped
        //: in 233 x 257 px together with the first. "Quillory Softwares" is the maker's name
        //: and stays as it is. The space at the end is part of the text.
        + ExitScreen::tr("All the programs in the Quillory Softwares suite are simple and easy to use. They are not "
                         "only fun to use but also very informative. Try them out today and share your experience "
                         "with your friends and family. ");
}

// Verdana is missing on most Linux desktops and its stand-ins run wider: a text that
// would be cut off is set a little smaller instead, a quarter point at a time. With
// Verdana itself nothing changes.
void shrinkToFit(QLabel* label, const QSize& room)
{
    QFont font = label->font();
    const auto fits = [&] {
        label->setFont(font);
        if (label->wordWrap())
            return label->heightForWidth(room.width()) <= room.height();
        return label->sizeHint().width() <= room.width();
    };
    while (!fits() && font.pointSizeF() > 6.0)
        font.setPointSizeF(font.pointSizeF() - 0.25);
}

// The frame's colour reaches behind its caption too, which stands out over the
// frame's top edge against the white window.
QGroupBox* filledFrame(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    return frame(parent, name, caption, geometry, kFrameNavy, kWhite, verdana(9.75, true));
}

void useButtonColors(QWidget* widget)
{
    QPalette palette = widget->palette();
    const QPalette standard = QApplication::palette(widget);
    palette.setColor(QPalette::Button, standard.color(QPalette::Button));
    palette.setColor(QPalette::ButtonText, standard.color(QPalette::ButtonText));
    widget->setPalette(palette);
}

} // namespace

ExitScreen::ExitScreen()
    : QWidget(nullptr, WindowParts::fixedWindowFlags())
{
    setFixedSize(px(11115), px(4725));
    setColors(this, kWhite, Qt::black);
    setFont(sansSerif(8.25));
    // Every control lies on one client area at the window's corner, which a screen too
    // small for the window scrolls.
    m_clientArea = new QWidget(this);
    m_clientArea->setObjectName(QStringLiteral("clientArea"));
    m_clientArea->setFixedSize(size());
    setColors(m_clientArea, kWhite, Qt::black);
    buildControls();
    // Above every other window for as long as it is loaded. Its owner shows or hides
    // it, so a load caused by hiding it never flashes it on the screen; shown, it
    // takes the activation, so its keys work at once.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    WindowParts::finishWindow(this, QStringLiteral("frmExitScreen"));
    new ScreenFit(this, m_clientArea);
}

void ExitScreen::drawSupportMessage(RandomSource& random)
{
    random.seedFromClock();
    m_label2->setText(SupportMessages::text(SupportMessages::draw(random), SiteConfig::forumAddress()));
    m_label2->setFont(verdana(9.75, true));
    shrinkToFit(m_label2, m_label2->size());
}

QLineEdit* ExitScreen::textBox(QWidget* parent, const QString& name, const QRect& geometry, const QString& placeholder,
    const QString& accessibleName)
{
    auto* edit = new QLineEdit(placeholder, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setAccessibleName(accessibleName);
    edit->setProperty(kPlaceholderProperty, placeholder);
    edit->setCursorPosition(0);
    return edit;
}

void ExitScreen::buildControls()
{
    //: Exit screen: caption of the frame on the right, bold 9.75 pt on its top edge; the
    //: frame is 249 px wide. "Quillory Softwares" is the maker's name and stays as it is.
    QGroupBox* frame6 = filledFrame(
        m_clientArea, QStringLiteral("Frame6"), tr("Download Quillory Softwares"), twips(7320, 120, 3735, 4575));

    //: Exit screen: link at the foot of the frame on the right, bold underlined, one line
    //: of 239 px (set smaller where it does not fit). "Quillory Softwares" is the maker's
    //: name and stays as it is.
    LinkLabel* lblGoToHome = WindowParts::pageLink(frame6, QStringLiteral("lblGoToHome"),
        tr("Click Here To Visit Quillory Softwares"), WebLink::SoftwareCatalogue);
    lblGoToHome->setFont(verdana(9, true, true));
    lblGoToHome->setGeometry(twips(75, 4250, 3585, 210));
    setColors(lblGoToHome, kFrameNavy, kYellow, false);
    shrinkToFit(lblGoToHome, lblGoToHome->size());
    lblGoToHome->adjustSize();

    QLabel* label3 = label(frame6, QStringLiteral("Label3"), catalogueParagraph(), twips(120, 360, 3495, 3855), kWhite,
        verdana(9), Qt::AlignLeft | Qt::AlignTop, true);
    shrinkToFit(label3, label3->size());

    //: Exit screen: caption of the frame around the refer-a-friend form, bold 9.75 pt on
    //: its top edge; the frame is 471 px wide.
    QGroupBox* frame2
        = filledFrame(m_clientArea, QStringLiteral("Frame2"), tr("Refer A Friend"), twips(120, 3240, 7065, 1455));

    // Below the frame's lower edge, so never seen; Tab still reaches it.
    m_txtMessage = new QPlainTextEdit(frame2);
    m_txtMessage->setObjectName(QStringLiteral("txtMessage"));
    m_txtMessage->setGeometry(twips(4800, 3600, 1815, 495));
    m_txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_txtMessage->setTabChangesFocus(true);
    //: Exit screen: what a screen reader calls the message box of the refer-a-friend form.
    m_txtMessage->setAccessibleName(tr("Your message"));
    m_txtMessage->setProperty(kPlaceholderProperty, Referral::messagePlaceholder());
    setBoxText(m_txtMessage, Referral::messagePlaceholder() + QStringLiteral("\r\n"));

    //: Exit screen: what a screen reader calls the box of the friend's name.
    const QString friendName = tr("Friend's name");
    m_txtFriendName = textBox(frame2, QStringLiteral("txtFriendName"), twips(85, 720, 3375, 285),
        Referral::friendNamePlaceholder(), friendName);
    //: Exit screen: what a screen reader calls the box of the friend's email address.
    const QString friendEmail = tr("Friend's email address");
    m_txtFriendEmail = textBox(frame2, QStringLiteral("txtFriendEmail"), twips(3600, 720, 3375, 285),
        Referral::friendEmailPlaceholder(), friendEmail);
    //: Exit screen: what a screen reader calls the box of the user's email address.
    const QString email = tr("Your email address");
    m_txtEmail
        = textBox(frame2, QStringLiteral("txtEmail"), twips(3600, 360, 3375, 285), Referral::emailPlaceholder(), email);

    //: Exit screen: the button of the refer-a-friend form, 225 px wide, bold.
    m_cmdSubmit
        = pushButton(frame2, QStringLiteral("cmdSubmit"), tr("Refer A Friend &Now"), twips(1920, 1080, 3375, 285));
    m_cmdSubmit->setFont(verdana(8.25, true));
    useButtonColors(m_cmdSubmit);
    connect(m_cmdSubmit, &QPushButton::clicked, this, &ExitScreen::submitReferral);
    // Its access key moves the focus to it before pressing it, as a click does, so the
    // box left behind gets its placeholder back before the checks read it.
    connect(
        m_cmdSubmit, &QPushButton::pressed, m_cmdSubmit, [this] { m_cmdSubmit->setFocus(Qt::ShortcutFocusReason); });

    //: Exit screen: what a screen reader calls the box of the user's name.
    const QString name = tr("Your name");
    m_txtName
        = textBox(frame2, QStringLiteral("txtName"), twips(85, 360, 3375, 285), Referral::namePlaceholder(), name);

    for (QLineEdit* email : {m_txtEmail, m_txtFriendEmail}) {
        auto* binding = new KeyFilterBinding(email, Referral::filterEmailKey, QMessageBox::Critical);
        binding->setAfterRefusal([email] { email->setFocus(Qt::OtherFocusReason); });
    }

    //: Exit screen: the button that ends the program, 83 px wide.
    m_cmdClose = pushButton(m_clientArea, QStringLiteral("cmdClose"), tr("E&xit"), twips(6000, 2760, 1245, 375));
    useButtonColors(m_cmdClose);
    connect(m_cmdClose, &QPushButton::clicked, this, &ExitScreen::closeRequested);

    //: Exit screen: check box that opens the forum, 14.25 pt, one line of 479 px with its
    //: box; %1 is the forum's web address (such as www.example.com).
    m_check1 = new QCheckBox(tr("Click Here To Visit %1 Now").arg(SiteConfig::forumAddress()), m_clientArea);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setGeometry(twips(30, 2040, 7185, 555));
    m_check1->setFont(verdana(14.25));
    m_check1->setCursor(Qt::PointingHandCursor);
    setColors(m_check1, kWhite, kLinkBlue, false);
    connect(m_check1, &QCheckBox::toggled, this, &ExitScreen::visitForum);

    auto* picture1 = new QLabel(m_clientArea);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setGeometry(twips(360, 120, 540, 540));
    picture1->setAlignment(Qt::AlignCenter);
    picture1->setPixmap(Look::appIcon().pixmap(32, 32));
    //: Exit screen: what a screen reader calls the program's icon at the top left.
    //: "Veltro" is the product's name.
    picture1->setAccessibleName(tr("Veltro Weight Loss Calculator icon"));

    m_label2 = label(m_clientArea, QStringLiteral("Label2"),
        SupportMessages::text(SupportMessages::kInitial, SiteConfig::forumAddress()), twips(120, 840, 6975, 1095),
        Qt::black, verdana(9.75, true), Qt::AlignLeft | Qt::AlignTop, true);

    label(m_clientArea, QStringLiteral("Label1"), WindowParts::windowCaption(), twips(1080, 240, 5055, 435), Qt::black,
        sansSerif(18), Qt::AlignLeft | Qt::AlignTop, false, true);

    const QList<QWidget*> tabOrder {
        m_cmdClose, m_check1, m_txtName, m_cmdSubmit, m_txtEmail, m_txtFriendEmail, m_txtFriendName, m_txtMessage};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));
    QWidget::setTabOrder(m_txtMessage, m_cmdClose);

    m_cmdClose->setFocus(Qt::OtherFocusReason);
    connect(new ActiveControl(this), &ActiveControl::changed, this, &ExitScreen::activeControlChanged);
}

void ExitScreen::closeEvent(QCloseEvent* event)
{
    // Its owner decides: closing it ends the program.
    event->ignore();
    emit closeRequested();
}

void ExitScreen::visitForum()
{
    // Unchecking comes back here once more, and then finds the box clear.
    if (!m_check1->isChecked())
        return;
    m_check1->setChecked(false);
    WindowParts::openPage(WebLink::HomePage);
}

void ExitScreen::submitReferral()
{
    // Kept before any check: the fields hold the last press's texts even when a
    // check fails.
    m_submitted.referrerName = trimSpaces(boxText(m_txtName));
    m_submitted.referrerEmail = trimSpaces(boxText(m_txtEmail));
    m_submitted.referralMessage = trimSpaces(boxText(m_txtMessage));
    m_submitted.friendName = trimSpaces(boxText(m_txtFriendName));
    m_submitted.friendEmail = trimSpaces(boxText(m_txtFriendEmail));

    const auto outcome = Referral::submission(m_submitted, SiteConfig::mainHost(), SiteConfig::programHost());
    if (outcome.failure) {
        MessageBox::critical(this, *outcome.failure);
        return;
    }
    // Strict parsing keeps the address byte for byte: Qt neither decodes nor
    // re-encodes what the builder escaped.
    openAddress(QUrl::fromEncoded(outcome.address, QUrl::StrictMode));
}

QString ExitScreen::boxText(const QWidget* box)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(box))
        return edit->text();
    if (const auto* multiLine = qobject_cast<const QPlainTextEdit*>(box))
        return multiLine->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return QString();
}

void ExitScreen::setBoxText(QWidget* box, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        edit->setText(text);
    } else if (auto* multiLine = qobject_cast<QPlainTextEdit*>(box)) {
        QString lines = text;
        multiLine->setPlainText(lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
}

void ExitScreen::activeControlChanged(QWidget* previous, QWidget* current)
{
    // Leaving a box that holds nothing but spaces puts its placeholder back; entering
    // one that still shows its placeholder clears it.
    if (const QString placeholder = placeholderOf(previous); !placeholder.isEmpty()) {
        if (Referral::restoresOnFocusLoss(boxText(previous)))
            setBoxText(previous, placeholder);
    }
    if (const QString placeholder = placeholderOf(current); !placeholder.isEmpty()) {
        if (Referral::clearsOnFocus(boxText(current), placeholder))
            setBoxText(current, QString());
    }
}

QString ExitScreen::placeholderOf(const QWidget* box)
{
    return box ? box->property(kPlaceholderProperty).toString() : QString();
}
