// Every typed message of the program goes through SoundMessageDlg (the
// type's system sound, then the standard modal message box) or, where no
// sound is wanted, MessageDlg.
#pragma once

#include <QMessageBox>
#include <QString>

enum class TMsgDlgType
{
    Warning,
    Error,
    Information,
    Confirmation,
    Custom
};

// Plays the type's sound, shows a modal box with the type's icon and caption
// ("Warning", "Error", "Information", "Confirm"; the application's name for a
// custom one) and the given buttons, and returns the button pressed. Enter
// answers Yes (else OK) in whatever order the desktop puts the buttons.
// The box is modal for owner (by default the active window) alone, and owner
// is active again after it.
QMessageBox::StandardButton SoundMessageDlg(const QString &message, TMsgDlgType type,
                                            QMessageBox::StandardButtons buttons,
                                            int helpContext = 0, QWidget *owner = nullptr);

// The same box without the sound.
QMessageBox::StandardButton MessageDlg(const QString &message, TMsgDlgType type,
                                       QMessageBox::StandardButtons buttons,
                                       QWidget *owner = nullptr);

// A box of the caller's own making (its caption, buttons relabelled, closed
// from elsewhere) shown as the boxes above are, without a sound: modal for
// owner alone, closed by a termination signal, answered by the test hook.
QMessageBox::StandardButton ExecMessageBox(QMessageBox &box, TMsgDlgType type,
                                           QWidget *owner = nullptr);

// Test hook: while answers are queued, SoundMessageDlg shows nothing and
// returns the next one, so no test ever blocks on a modal box. Each call is
// recorded for the test to inspect. Once a termination signal has arrived
// no box is shown and a real one that is up closes: the answer is then the
// box's way out (Cancel, No, or else Ok).
namespace MessageDlgHook {
struct TShown
{
    QString Message;
    TMsgDlgType Type;
    QMessageBox::StandardButtons Buttons;
    bool Sounded = true;
    QString Caption;
    QMessageBox::StandardButton Default = QMessageBox::NoButton; // what Enter answers
};
void QueueAnswer(QMessageBox::StandardButton answer);
bool HasQueuedAnswers();
void Reset(); // drops queued answers and the record
const QList<TShown> &Shown();
} // namespace MessageDlgHook
