#include "SaveCheck.h"

#include "DateText.h"

namespace card {
namespace {

void settleLoan(LoanGroup& loan, const QDate& today, const QString& caption,
                frame::ValidationReport& report) {
    if (!loan.out) {
        loan.person.clear();
        loan.date = FormatShortDate(today);
    }
    const bool dateValid = ParseUserDate(loan.date).isValid();
    // A date that names no day cannot be stored even when nobody is named, so it is reported too.
    if (!dateValid && (!loan.person.isEmpty() || !loan.date.trimmed().isEmpty())) report.WrongForm(caption);
}

}  // namespace

frame::ValidationReport CheckCard(CardCheck& card, const QDate& today, bool pictureExists) {
    frame::ValidationReport report;
    if (card.title.isEmpty()) report.Omitted(card.titleCaption);
    settleLoan(card.loan1, today, card.date1Caption, report);
    settleLoan(card.loan2, today, card.date2Caption, report);
    if (!card.mainPicture.isEmpty() && !pictureExists) report.NotFound(card.pictureCaption);
    return report;
}

}  // namespace card
