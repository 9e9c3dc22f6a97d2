// Handing web and mail addresses to the desktop.
#pragma once

#include <QLabel>
#include <QString>
#include <QUrl>
#include <functional>

// Opens a web or "mailto:" address with the user's browser or mail program,
// with the busy cursor up meanwhile. Failures are not reported.
void OpenLink(const QString &target);

// Test hook: the function OpenLink hands the address to (by default
// QDesktopServices::openUrl). Returns the one it replaces; an empty
// function restores the default.
using TShellOpener = std::function<bool(const QUrl &)>;
TShellOpener SetShellOpener(TShellOpener opener);

// A label that looks like a link (blue, underlined, hand cursor) and opens
// its URL when clicked, or when Enter or Space is pressed on it: it takes the
// focus by Tab and shows it. An empty URL only raises Clicked.
class TURLLabel : public QLabel
{
    Q_OBJECT

public:
    explicit TURLLabel(const QString &caption = QString(), QWidget *parent = nullptr);
    explicit TURLLabel(QWidget *parent) : TURLLabel(QString(), parent) {}

    QString URL;

    // What a click does: Clicked, then OpenLink(URL) when there is one.
    void Click();

Q_SIGNALS:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool FPressed = false;
};
