// The "World Times" window's own menu as it opens: its first entry, "Info on
// <clock>", names the clock it was opened on (by the mouse, or the clock
// that has the keyboard focus), and is hidden away from every clock.
#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

class QAction;
class QMenu;
class QWidget;
class TClockColumn;
class TWorldClocks;
class TZonedClock;

class TWindowMenu : public QObject
{
    Q_OBJECT

public:
    // All must outlive this; clockUnderMouse tells the clock a menu opened
    // some other way (a right click on a clock) is for.
    TWindowMenu(QMenu &menu, QAction &infoOn, const TClockColumn &column, const TWorldClocks &world,
                std::function<TZonedClock *()> clockUnderMouse);

    // At globalPos, for clock (none: "Info on" hidden).
    void PopUp(const QPoint &globalPos, TZonedClock *clock);
    // From the keyboard (Shift+F10, the Menu key): under the part of window
    // that has the focus, for its clock, with the first entry chosen.
    void PopUpFromKeyboard(QWidget &window);
    // The clock "Info on" is for: the one of the last opening, or as chosen.
    int ChosenIndex() const;
    void Choose(TZonedClock *clock);

private:
    QMenu &FMenu;
    QAction &FInfoOn;
    const TClockColumn &FColumn;
    const TWorldClocks &FWorld;
    std::function<TZonedClock *()> FClockUnderMouse;
    QPointer<TZonedClock> FClock;
    bool FChosen = false; // by PopUp, while it opens the menu
};
