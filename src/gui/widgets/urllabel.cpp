#include "urllabel.h"

#include <QCursor>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <utility>

namespace {
TShellOpener &Opener()
{
    static TShellOpener opener;
    return opener;
}

// Restores the cursor on every way out, also when the opener throws.
class TBusyCursor
{
public:
    TBusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }
    ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    TBusyCursor(const TBusyCursor &) = delete;
    TBusyCursor &operator=(const TBusyCursor &) = delete;
};
} // namespace

void OpenLink(const QString &target)
{
    const QUrl url(target.trimmed(), QUrl::TolerantMode);
    // An empty or unparsable address would make the desktop open its file
    // manager or report an error of its own; there is nothing to open.
    if (!url.isValid() || url.scheme().isEmpty())
        return;
    TBusyCursor busy;
    if (Opener())
        Opener()(url);
    else
        QDesktopServices::openUrl(url);
}

TShellOpener SetShellOpener(TShellOpener opener)
{
    return std::exchange(Opener(), std::move(opener));
}

TURLLabel::TURLLabel(const QString &caption, QWidget *parent) : QLabel(caption, parent)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(pal);
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    setCursor(Qt::PointingHandCursor);
    // A link the keyboard cannot reach is a link keyboard users never get;
    // the margins keep the focus frame off the letters and the underline.
    setFocusPolicy(Qt::StrongFocus);
    setContentsMargins(2, 1, 2, 1);
}

void TURLLabel::Click()
{
    Q_EMIT Clicked();
    if (!URL.isEmpty())
        OpenLink(URL);
}

void TURLLabel::mousePressEvent(QMouseEvent *event)
{
    FPressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void TURLLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and release of the left button over the label.
    const bool click = FPressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    FPressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Click();
}

void TURLLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            // Taken here, Enter does not reach the dialog's default button.
            event->accept();
            Click();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void TURLLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
