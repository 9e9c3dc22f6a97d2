// The running copy's door for a second start: the desktop's
// org.freedesktop.Application interface on the session bus, under the
// application ID. A second start (the menu entry, a shortcut bound to the
// program, "vorkelclocks --options") asks the running copy to show its
// clocks or its options and ends, instead of saying that it runs already.
// The single-instance lock stays the judge of which copy runs; this only
// carries the request.
#pragma once

#include <QObject>
#include <QStringList>
#include <QVariantList>
#include <QVariantMap>

class TApplicationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    // The action a second start asks for with --options.
    static constexpr const char *OptionsAction = "options";

    explicit TApplicationService(QObject *parent = nullptr);
    ~TApplicationService() override;

    // Takes the application ID's name on the session bus; false when there
    // is no bus or another process holds the name.
    bool Register();

    // From a second start: asks the running copy over the session bus to
    // show its clocks (action empty) or to run action. False when no copy
    // answered within a second.
    static bool AskRunningCopy(const QString &action);

Q_SIGNALS:
    // The clocks window is wanted, shown and active.
    void ShowRequested();
    // The options dialog is wanted.
    void OptionsRequested();

public Q_SLOTS:
    // org.freedesktop.Application, as a launcher or a second start calls it.
    void Activate(const QVariantMap &platformData);
    void Open(const QStringList &uris, const QVariantMap &platformData);
    void ActivateAction(const QString &name, const QVariantList &parameter,
                        const QVariantMap &platformData);

private:
    // A launcher's activation token lets the window take the focus on
    // Wayland, where a window may not take it unasked.
    static void TakeActivationToken(const QVariantMap &platformData);

    bool FRegistered = false;
};
