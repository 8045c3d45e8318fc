#pragma once

#include <QColor>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QWidget;

// The shared look of the program's windows. Layouts are drawn in twips, fifteen to
// a pixel at 96 dots per inch; Qt scales the pixels on high-density screens.
namespace Look {

constexpr int px(int twips)
{
    return (twips * 2 + 15) / 30; // nearest pixel
}

inline QRect twips(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}

inline const QColor kNavy {0, 0, 64};
inline const QColor kCream {255, 224, 192};
inline const QColor kDarkBlue {21, 15, 83};
inline const QColor kWhite {255, 255, 255};

// Verdana where the machine has it, else the closest free face of the same build.
QFont verdana(double pointSize, bool bold = false, bool underline = false);
QFont sansSerif(double pointSize, bool bold = false);

// Where a window of the given size goes on a screen's available area: in its centre,
// but never with its top-left corner (and so its title bar) off the area.
QPoint centredPosition(const QRect& available, const QSize& size);
// Places a window by centredPosition() on its screen.
void placeInCentre(QWidget* window);

// The program's icon in the sizes its windows show, 16 to 64 pixels; launchers and
// menus take larger ones from the installed icon theme.
QIcon appIcon();

// Fusion style (so the windows' colours hold on every desktop) and font fallbacks.
void applyApplicationLook();

void setColors(QWidget* widget, const QColor& background, const QColor& text, bool fill = true);

// A frame drawn by hand: its colour behind everything, including its caption, a
// one-pixel border and the caption over the border's top edge. Style sheets would do
// the same at a cost the start of the program notices.
class Frame final : public QGroupBox
{
public:
    Frame(const QString& caption, QWidget* parent, const QColor& background, const QColor& captionColor,
        const QFont& captionFont);

    // Only the caption's: the controls inside keep the window's font.
    QFont captionFont() const { return m_captionFont; }
    // The width the frame needs for its whole caption, with as much room after it as
    // before it.
    int captionWidth() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_background;
    QColor m_caption;
    QFont m_captionFont;
};

// A frame with a one-pixel border and an optional caption.
Frame* frame(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
    const QColor& background, const QColor& captionColor, const QFont& captionFont);

// A push button of a working window. Enter presses it as Space does, as on the
// desktops the program comes from and on GTK desktops, although it sits in no dialog.
QPushButton* pushButton(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry);

// A plain label; with autoSize it takes the size of its text from its top-left corner.
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, const QColor& color,
    const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop, bool wordWrap = false,
    bool autoSize = false);

} // namespace Look
