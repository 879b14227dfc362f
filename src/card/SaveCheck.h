#pragma once
// The check a card goes through before it is saved. It also settles the loan groups: an unticked group
// keeps nobody as the other person and today's date as its return date.

#include <QDate>
#include <QString>

#include "frame/Language.h"

namespace card {

struct LoanGroup {
    bool out = false;  // the flag: lent and to be returned
    QString person;
    QString date;  // as typed
};

struct CardCheck {
    QString title;
    QString mainPicture;  // stored path, empty for none
    LoanGroup loan1, loan2;
    // Captions shown for the fields the report names.
    QString titleCaption, date1Caption, date2Caption, pictureCaption;
};

// Runs the check in the window's field order; corrects the unticked loan groups in place (the window
// shows the corrections whatever the outcome) and returns the report, empty when the card may be saved.
// pictureExists tells whether the stored path names an existing file.
frame::ValidationReport CheckCard(CardCheck& card, const QDate& today, bool pictureExists);

}  // namespace card
