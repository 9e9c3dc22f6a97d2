#include "gui/options/aboutpage.h"

#include "gui/desktop/help.h"
#include "gui/widgets/urllabel.h"
#include "gui/widgets/vorkelresources.h"
#include "ui_aboutpage.h"

#include <QTextCursor>
#include <QTextDocument>

TAboutPage::TAboutPage(QWidget *parent) : QWidget(parent), FUi(std::make_unique<Ui::TAboutPage>())
{
    FUi->setupUi(this);
    connect(FUi->AboutView, &QTextBrowser::anchorClicked, this, &TAboutPage::FollowLink);
}

TAboutPage::~TAboutPage() = default;

void TAboutPage::Load(const QString &zonesVersion)
{
    if (FLoaded) {
        return;
    }
    EnsureVorkelResources();
    FUi->AboutView->setSource(
        QUrl(QStringLiteral("qrc:/") +
             LocalizedPage(QStringLiteral(":/"), QStringLiteral("about.htm"))));
    // The zone file's own version: a tzdata upgrade may have remade it since
    // the program was built.
    QTextCursor version = FUi->AboutView->document()->find(QStringLiteral("{tz-version}"));
    if (!version.isNull()) {
        version.insertText(zonesVersion.isEmpty() ? tr("unknown") : zonesVersion);
    }
    FLoaded = true;
}

void TAboutPage::FollowLink(const QUrl &link)
{
    const QUrl target = FUi->AboutView->source().resolved(link);
    if (target.scheme() == u"qrc") {
        FUi->AboutView->setSource(target);
    } else {
        OpenLink(target.toString());
    }
}
