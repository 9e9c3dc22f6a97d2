#include "aboutfrm.h"

#include "components/branding.h"
#include "components/urllabel.h"

#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
QLabel *PlaceLabel(QWidget *parent, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

QFrame *HorizontalLine(QWidget *parent, int left, int top, int width)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(left, top, width, 2);
    return line;
}
} // namespace

TAboutForm::TAboutForm()
{
    setWindowTitle(tr("About Vorkel Clocks"));
    // A dialog border: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = PlaceLabel(this, QStringLiteral("Vorkel Clocks"), 12, 8);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->adjustSize();
    LblVersion = PlaceLabel(this, tr("Version: %1").arg(QStringLiteral("1.25")), 12, 24);
    LblBeta = new QLabel(this);
    LblBeta->setWordWrap(true);
    LblBeta->setGeometry(24, 40, 153, 33);
    LblBeta->hide();
    // The bevels are lines at the bottom and top edge of their design boxes.
    QFrame *bevel1 = HorizontalLine(this, 4, 72 + 9 - 2, 191);
    Label4 = PlaceLabel(this, tr("Copyright \u00A9 2026 %1").arg(BrandMakerName), 12, 88);
    Label5 = PlaceLabel(this, tr("All rights reserved."), 25, 104);
    URLLabel1 = new TURLLabel(BrandWebAddress.toString(), this);
    URLLabel1->URL = BrandHomePage.toString();
    URLLabel1->setToolTip(URLLabel1->URL);
    URLLabel1->move(24, 120);
    URLLabel1->adjustSize();
    URLLabel2 = new TURLLabel(tr("Send feedback"), this);
    URLLabel2->URL = QStringLiteral("mailto:") + BrandFeedbackAddress.toString();
    URLLabel2->setToolTip(URLLabel2->URL);
    URLLabel2->move(24, 136);
    URLLabel2->adjustSize();
    QFrame *bevel2 = HorizontalLine(this, 4, 158, 191);
    Button1 = new QPushButton(tr("&Close"), this);
    Button1->setDefault(true);
    Button1->setGeometry(60, 167, 75, 25);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);

    // A substitute for the design font can be wider: grow, never clip, and
    // leave the window manager room for the whole caption.
    int width = 198;
    for (const QLabel *label : findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
        width = std::max(width, label->geometry().right() + 1 + label->x());
    // Title bars use a bolder font and add an icon and up to three buttons.
    QFont titleFont = font();
    titleFont.setBold(true);
    width = std::max(width, QFontMetrics(titleFont).horizontalAdvance(windowTitle()) * 6 / 5 + 100);
    bevel1->setFixedWidth(width - 8);
    bevel2->setFixedWidth(width - 8);
    Button1->move((width - Button1->width()) / 2, Button1->y());
    setFixedSize(width, 200);
}
