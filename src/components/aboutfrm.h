// The about box: product, version, the maker's notice and two links.
#pragma once

#include <QDialog>
#include <QPointer>

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

// The open about box, or null.
extern QPointer<TAboutForm> AboutForm;

// Brings the open about box to the front, or creates one (no owner) and shows
// it modally. At most one exists; it frees itself when closed.
void ShowAboutBox();
