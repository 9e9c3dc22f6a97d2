#include "gui/clocks/clocksinput.h"

#include "core/clocks/lookahead.h"
#include "gui/clocks/clockcolumn.h"
#include "gui/clocks/clocksform.h"
#include "gui/widgets/plaintooltip.h"
#include "gui/widgets/watermarkbox.h"

#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>

namespace {
constexpr int ClockHintMSecs = 10'000;
}

TClocksInput::TClocksInput(TClocksForm &form, TLookAhead &lookAhead, QWidget &brandPanel,
                           QWidget &pin)
    : QObject(&form), FForm(form), FLookAhead(lookAhead), FBrandPanel(brandPanel), FPin(pin),
      FGrip(form)
{
    FForm.installEventFilter(this);
    FBrandPanel.installEventFilter(this);
    FPin.installEventFilter(this);
}

bool TClocksInput::eventFilter(QObject *watched, QEvent *event)
{
    // The focus frame is for the keyboard's users: a key shows it, wherever
    // it is pressed (Tab never reaches the window), a click hides it.
    if (event->type() == QEvent::KeyPress && !FForm.FocusShown())
        FForm.SetFocusShown(true);
    else if (event->type() == QEvent::MouseButtonPress && FForm.FocusShown())
        FForm.SetFocusShown(false);

    if (watched == &FForm)
        return WindowEvent(event);
    if (watched == &FPin) {
        // The button would move the focus with the arrows: they look ahead
        // here as everywhere in the window.
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        return key->key() != Qt::Key_Space && KeyPress(*key);
    }
    if (watched == &FBrandPanel) {
        // A press on the panel reaches the window and drags it like one on
        // its background; the release ends the drag or is a click.
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        PanelRelease(*static_cast<QMouseEvent *>(event));
        return true;
    }
    const int index = FColumn != nullptr ? FColumn->IndexOf(watched) : -1;
    return index >= 0 && ClockEvent(index, *static_cast<QWidget *>(watched), event);
}

bool TClocksInput::WindowEvent(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        FGrip.Press(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseMove:
        FGrip.Move(*static_cast<QMouseEvent *>(event));
        return true;
    case QEvent::MouseButtonRelease:
        DragEnd();
        return true;
    case QEvent::MouseButtonDblClick:
        FGrip.Cancel();
        FForm.ShowClockInfo(FForm.ClockAt(static_cast<QMouseEvent *>(event)->position().toPoint()));
        return true;
    case QEvent::Wheel:
        Wheel(static_cast<QWheelEvent *>(event)->angleDelta().y());
        return true;
    case QEvent::ContextMenu: {
        const auto *menu = static_cast<QContextMenuEvent *>(event);
        if (menu->reason() == QContextMenuEvent::Keyboard)
            FForm.ShowKeyboardMenu();
        else
            FForm.ShowWindowMenu(menu->globalPos());
        return true;
    }
    case QEvent::KeyPress:
        return KeyPress(*static_cast<QKeyEvent *>(event));
    default:
        return false;
    }
}

bool TClocksInput::KeyPress(const QKeyEvent &key)
{
    const bool plain = key.modifiers() == Qt::NoModifier || key.modifiers() == Qt::KeypadModifier;
    if (const int minutes = plain ? TLookAhead::KeyMinutes(key.key()) : 0) {
        if (FLookAhead.Move(minutes))
            FForm.ApplyLookAhead();
        return true;
    }
    // Like any pop-up, pinned or not; a moved view first comes back to the present.
    if (key.key() == Qt::Key_Escape && key.modifiers() == Qt::NoModifier) {
        if (FLookAhead.Reset())
            FForm.ApplyLookAhead();
        else
            FForm.HideClocks();
        return true;
    }
    if ((key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier) ||
        (key.key() == Qt::Key_Menu && plain)) {
        FForm.ShowKeyboardMenu();
        return true;
    }
    return false;
}

bool TClocksInput::ClockEvent(int index, QWidget &widget, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip:
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           PlainToolTip(FForm.ClockHint(index)), &widget, QRect(), ClockHintMSecs);
        return true;
    case QEvent::MouseButtonDblClick:
        FGrip.Cancel();
        FForm.ShowClockInfo(FColumn->Clocks()[index]);
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
        // Over a clock or a title as over the window itself.
        return WindowEvent(event);
    default:
        return false;
    }
}

void TClocksInput::PanelRelease(const QMouseEvent &event)
{
    const bool click = event.button() == Qt::LeftButton && FGrip.Dragging() &&
                       FBrandPanel.rect().contains(event.position().toPoint());
    DragEnd();
    if (click && !FGrip.Moved() && FLookAhead.Reset())
        FForm.ApplyLookAhead();
    else if (click && !FGrip.Moved())
        OpenHomePage(true);
}

void TClocksInput::DragEnd()
{
    if (FGrip.Release())
        FForm.StoreWindowState();
}

void TClocksInput::Wheel(int angleDelta)
{
    if (FLookAhead.Wheel(angleDelta))
        FForm.ApplyLookAhead();
}
