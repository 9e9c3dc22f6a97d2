// A date box that takes a date typed as people type one, in every locale:
// digits overwrite the part of the date under the cursor (after a click too,
// where a plain date edit inserts them and refuses the result), and any of
// ". / - , space" moves on to the next part, whatever separator the locale
// shows. Up and Down still step the part as in any date edit.
#pragma once

#include <QDateEdit>

class TTypedDateEdit : public QDateEdit
{
    Q_OBJECT

public:
    explicit TTypedDateEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void StartOver();

    // Digits typed into the current part so far: the next one goes on, not
    // over it.
    bool FTyping = false;
    // The last digit filled its part and the box moved on by itself: a
    // separator typed now is the one that was written, not a second move.
    bool FMovedOn = false;
};
