#include "gui/widgets/aboutform.h"

#include "gui/widgets/branding.h"
#include "gui/widgets/urllabel.h"
#include "ui_aboutform.h"

#include <QFontMetrics>
#include <algorithm>

TAboutForm::TAboutForm() : FUi(std::make_unique<Ui::TAboutForm>())
{
    FUi->setupUi(this);
    // A dialog border: a title and a close box, nothing to minimise or maximise.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);

    QFont bold = FUi->LblProduct->font();
    bold.setBold(true);
    FUi->LblProduct->setFont(bold);
    FUi->LblVersion->setText(FUi->LblVersion->text().arg(QStringLiteral("1.25")));
    // A beta's notice; its room is kept when there is none.
    QSizePolicy betaPolicy = FUi->LblBeta->sizePolicy();
    betaPolicy.setRetainSizeWhenHidden(true);
    FUi->LblBeta->setSizePolicy(betaPolicy);
    FUi->LblBeta->hide();
    FUi->LblCopyright->setText(FUi->LblCopyright->text().arg(BrandMakerName));
    FUi->LblWebSite->setText(BrandWebAddress.toString());
    FUi->LblWebSite->URL = BrandHomePage.toString();
    FUi->LblWebSite->setToolTip(FUi->LblWebSite->URL);
    FUi->LblFeedback->URL = QStringLiteral("mailto:") + BrandFeedbackAddress.toString();
    FUi->LblFeedback->setToolTip(FUi->LblFeedback->URL);
    connect(FUi->BtnClose, &QPushButton::clicked, this, &QDialog::accept);
    // The links come first in the Tab order; the box opens on Close, so Enter
    // closes it as it always has.
    FUi->BtnClose->setFocus();

    // Title bars use a bolder font and add an icon and up to three buttons:
    // the box leaves the window manager room for the whole caption.
    QFont titleFont = font();
    titleFont.setBold(true);
    const int captionWidth = QFontMetrics(titleFont).horizontalAdvance(windowTitle()) * 6 / 5 + 100;
    const QSize size = sizeHint();
    setFixedSize(std::max({198, captionWidth, size.width()}), std::max(200, size.height()));
}

TAboutForm::~TAboutForm() = default;
