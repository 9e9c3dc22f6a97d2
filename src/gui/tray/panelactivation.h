// The activation a panel hands over with a click on the icon: a window the
// program shows in answer is let to the front and given the focus, which a
// window manager that prevents focus stealing otherwise refuses to a program
// that has seen no input of its own since the user's click (GNOME Shell
// under XWayland puts such a window up without focus, and it then never
// hides when the user turns elsewhere).
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QWidget;

class TPanelActivation : public QObject
{
    Q_OBJECT

public:
    // A token not used within this time belongs to a click that showed no
    // window: it is dropped.
    static constexpr int TokenLifeMSecs = 3000;

    explicit TPanelActivation(QObject *parent = nullptr);
    ~TPanelActivation() override;

    // The panel's token for the click it is about to report: on X11 the
    // startup notification id of the click (with its time), natively on
    // Wayland an xdg-activation token. The next top-level window shown
    // within TokenLifeMSecs takes it.
    void Provide(const QString &token);
    // The token still waiting for a window, empty when none is.
    QString Pending() const;
    // The X server time of the click in an X11 startup notification id, 0
    // where the token tells none.
    static quint32 ClickTime(const QString &token);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Hands the token to the window manager with window, before its map.
    static void Hand(QWidget &window, const QString &token);

    QString FToken;
    QElapsedTimer FAge;
    bool FFiltering = false;
};
