#include "gui/options/contexthelp.h"

#include "gui/desktop/help.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWhatsThis>

namespace {
// The dynamic properties holding a control's pop-up topic and the topic its
// context menu shows when it has none of its own.
constexpr char TopicProperty[] = "HelpContext";
constexpr char MenuTopicProperty[] = "HelpMenuTopic";
} // namespace

void SetHelpTopic(QWidget *control, int topic, int menuTopic)
{
    if (topic != 0) {
        control->setProperty(TopicProperty, topic);
    }
    control->setProperty(MenuTopicProperty, topic != 0 ? topic : menuTopic);
}

TContextHelp::TContextHelp(QWidget *window)
    : QObject(window), FWindow(window), FMenu(new QMenu(window))
{
    FMenu->setObjectName(QStringLiteral("HelpPopup"));
    QAction *whatsThis = FMenu->addAction(tr("&What's This?"));
    whatsThis->setObjectName(QStringLiteral("ActWhatsThis"));
    // Queued: the pop-up opens once the menu has closed, not while it grabs the mouse.
    connect(
        whatsThis, &QAction::triggered, this, [this] { ShowPopup(FPopupTopic); },
        Qt::QueuedConnection);
    // Many X11 window managers draw no caption help button: Shift+F1, the
    // desktop's What's This key, enters the same pointer mode.
    window->addAction(QWhatsThis::createAction(window));
    for (QWidget *control : window->findChildren<QWidget *>()) {
        control->installEventFilter(this);
        if (control->property(MenuTopicProperty).isValid()) {
            control->setContextMenuPolicy(Qt::CustomContextMenu);
            connect(control, &QWidget::customContextMenuRequested, this,
                    [this, control](const QPoint &pos) { ShowMenu(control, pos); });
        }
    }
}

int TContextHelp::TopicOf(const QWidget *control)
{
    return control == nullptr ? 0 : control->property(TopicProperty).toInt();
}

int TContextHelp::NearestTopic(const QWidget *control) const
{
    for (const QWidget *widget = control; widget != nullptr && widget != FWindow;
         widget = widget->parentWidget()) {
        if (const int topic = TopicOf(widget); topic != 0) {
            return topic;
        }
        if (widget->isWindow()) {
            break;
        }
    }
    return 0;
}

void TContextHelp::ShowMenu(QWidget *control, const QPoint &pos)
{
    if (const int topic = control->property(MenuTopicProperty).toInt(); topic != 0) {
        FPopupTopic = topic;
    }
    // A scroll area reports the position in its viewport.
    const auto *area = qobject_cast<const QAbstractScrollArea *>(control);
    FMenu->popup((area != nullptr ? area->viewport() : control)->mapToGlobal(pos));
}

void TContextHelp::ShowPopup(int topic)
{
    if (topic == 0) {
        return;
    }
    // The pop-up opens at the pointer: no position is handed on.
    ApplicationHelp(HELP_CONTEXTPOPUP, topic);
    Q_EMIT PopupRequested(topic);
}

bool TContextHelp::ShowHelpFor(const QWidget *control)
{
    const int topic = NearestTopic(control);
    if (topic == 0) {
        return false;
    }
    ShowPopup(topic);
    return true;
}

bool TContextHelp::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) {
            return false;
        }
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat()) {
            QWidget *focus = QApplication::focusWidget();
            ShowHelpFor(focus != nullptr && focus->window() == FWindow
                            ? focus
                            : qobject_cast<QWidget *>(watched));
        }
        // Neither the press nor the release reaches the control.
        return true;
    }
    case QEvent::QueryWhatsThis:
    case QEvent::WhatsThis: {
        // The caption help button's pointer: the nearest control outwards
        // with a topic answers for the control under it.
        const auto *widget = qobject_cast<const QWidget *>(watched);
        if (NearestTopic(widget) == 0) {
            return false;
        }
        event->accept();
        if (event->type() == QEvent::WhatsThis) {
            ShowHelpFor(widget);
        }
        return true;
    }
    default:
        return false;
    }
}
