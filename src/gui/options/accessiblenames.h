// What a screen reader hears of the options dialog's controls where Qt's own
// names fall short.
#pragma once

class QGroupBox;
class QString;

// A group box's caption keeps the spaces that set it off from the frame on
// screen; a screen reader hears it without them.
void SetGroupTitle(QGroupBox *box, const QString &title);
// The caption the box has from its form, heard without its spaces.
void NameGroupByTitle(QGroupBox *box);

// On Linux Qt names a combo box after its current entry, so a screen reader
// says "dd/mm/yyyy" where the user needs "Date format". From now on a combo
// box that is not editable is named by its accessibleName or else by its
// label, and its entry is its value. Does nothing when called again.
void NameComboBoxesByLabel();
