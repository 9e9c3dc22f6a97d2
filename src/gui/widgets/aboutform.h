// The about box: product, version, the maker's notice and two links, laid
// out by aboutform.ui.
#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class TAboutForm;
}

class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    TAboutForm();
    ~TAboutForm() override;

private:
    std::unique_ptr<Ui::TAboutForm> FUi;
};
