// The context help of the options dialog: each control with a pop-up topic
// answers F1, the caption help button's pointer and its context menu's
// "What's This?" with that topic; controls without one answer for the
// nearest control around them that has one.
#pragma once

#include <QObject>

class QMenu;
class QPoint;
class QWidget;

// Gives control its pop-up topic (0 for none of its own). Its context menu
// offers "What's This?" on that topic, or on menuTopic when it has none.
void SetHelpTopic(QWidget *control, int topic, int menuTopic = 0);

class TContextHelp : public QObject
{
    Q_OBJECT

public:
    // Watches every control window holds now; window owns the helper.
    explicit TContextHelp(QWidget *window);

    // The pop-up topic of a control itself (0 for none).
    static int TopicOf(const QWidget *control);
    // The topic of the nearest control, going outwards from control through
    // its parents, that has one; 0 when none has.
    int NearestTopic(const QWidget *control) const;
    // The topic "What's This?" of the context menu shows.
    int PopupTopic() const { return FPopupTopic; }

Q_SIGNALS:
    // A context pop-up was asked for (What's This, the caption help button or F1).
    void PopupRequested(int topic);

protected:
    // F1 and What's This on every control, before the control itself.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowMenu(QWidget *control, const QPoint &pos);
    // Shows the topic of the nearest control outwards from control; false
    // when there is none.
    bool ShowHelpFor(const QWidget *control);
    void ShowPopup(int topic);

    QWidget *FWindow;
    QMenu *FMenu;
    int FPopupTopic = 0;
};
