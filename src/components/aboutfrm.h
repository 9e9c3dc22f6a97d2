// The about box: product, version, the maker's notice and two links.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class TURLLabel;

class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    TAboutForm();

    QLabel *Label1 = nullptr;
    QLabel *LblVersion = nullptr;
    QLabel *LblBeta = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    TURLLabel *URLLabel1 = nullptr;
    TURLLabel *URLLabel2 = nullptr;
    QPushButton *Button1 = nullptr;
};
