#include "ui/look.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleFactory>
#include <algorithm>

// The icon lives in the library's resources; a static library has to ask for them.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace Look {

QFont verdana(double pointSize, bool bold, bool underline)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont sansSerif(double pointSize, bool bold)
{
    QFont font;
    font.setFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QIcon appIcon()
{
    // Once the program has set it as the application's icon, every window shares
    // that one instead of decoding the images again.
    if (const QIcon shared = QGuiApplication::windowIcon(); !shared.isNull())
        return shared;
    QIcon icon;
    // The sizes title bars and task switchers draw. Each is decoded at start and sent
    // to the X server with every window.
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/veltro-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPoint centredPosition(const QRect& available, const QSize& size)
{
    const QPoint centred = available.center() - QPoint(size.width() / 2, size.height() / 2);
    return QPoint(std::max(centred.x(), available.left()), std::max(centred.y(), available.top()));
}

void placeInCentre(QWidget* window)
{
    if (const QScreen* screen = window->screen())
        window->move(centredPosition(screen->availableGeometry(), window->size()));
}

void applyApplicationLook()
{
    initResources();
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    QFont::insertSubstitutions(
        QStringLiteral("Verdana"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(verdana(8.25));
}

void setColors(QWidget* widget, const QColor& background, const QColor& text, bool fill)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Button, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(fill);
}

namespace {

constexpr int kCaptionMargin = 6;
constexpr int kCaptionLeft = 6;
const QColor kBorder {150, 150, 170};

} // namespace

Frame::Frame(const QString& caption, QWidget* parent, const QColor& background, const QColor& captionColor,
    const QFont& captionFont)
    : QGroupBox(caption, parent)
    , m_background(background)
    , m_caption(captionColor)
    , m_captionFont(captionFont)
{
    setFlat(true);
}

int Frame::captionWidth() const
{
    return kCaptionLeft + QFontMetrics(m_captionFont).horizontalAdvance(title()) + 4 + kCaptionLeft;
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    const QString caption = title();
    const int borderTop = caption.isEmpty() ? 0 : kCaptionMargin;
    painter.setPen(kBorder);
    painter.drawRect(rect().adjusted(0, borderTop, -1, -1));
    if (caption.isEmpty())
        return;
    const QFontMetrics metrics(m_captionFont);
    const QRect captionRect(kCaptionLeft, 0, metrics.horizontalAdvance(caption) + 4, metrics.height());
    painter.fillRect(captionRect, m_background);
    painter.setPen(m_caption);
    painter.setFont(m_captionFont);
    painter.drawText(captionRect, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
}

Frame* frame(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
    const QColor& background, const QColor& captionColor, const QFont& captionFont)
{
    auto* box = new Frame(caption, parent, background, captionColor, captionFont);
    box->setObjectName(name);
    box->setGeometry(geometry);
    if (!caption.isEmpty())
        box->setAccessibleName(caption.trimmed());
    return box;
}

QPushButton* pushButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    button->setAutoDefault(true);
    return button;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, const QColor& color,
    const QFont& font, Qt::Alignment alignment, bool wordWrap, bool autoSize)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setFont(font);
    l->setAlignment(alignment);
    l->setWordWrap(wordWrap);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, color);
    l->setPalette(palette);
    l->setGeometry(geometry);
    if (autoSize)
        l->adjustSize();
    return l;
}

} // namespace Look
