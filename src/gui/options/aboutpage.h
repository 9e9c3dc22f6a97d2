// The options dialog's "About Vorkel" page: the about page in the user's
// language, naming the version of the zones the dialog loaded. Loaded when
// first shown, not with every opening of the dialog.
#pragma once

#include <QWidget>
#include <memory>

class QUrl;
namespace Ui {
class TAboutPage;
}

class TAboutPage : public QWidget
{
    Q_OBJECT

public:
    explicit TAboutPage(QWidget *parent = nullptr);
    ~TAboutPage() override;

    // Loads the page the first time, with zonesVersion (empty: unknown).
    void Load(const QString &zonesVersion);
    bool Loaded() const { return FLoaded; }

private:
    void FollowLink(const QUrl &link);

    std::unique_ptr<Ui::TAboutPage> FUi;
    bool FLoaded = false;
};
