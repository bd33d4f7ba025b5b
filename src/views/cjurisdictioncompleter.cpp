#include "views/cjurisdictioncompleter.h"

#include "dialogs/dialogtext.h"
#include "imports/jurisdictioncompletion.h"

#include <QLineEdit>
#include <QStandardItemModel>

namespace {

constexpr int kAbbreviationRole = Qt::UserRole + 1;

} // namespace

CJurisdictionCompleter::CJurisdictionCompleter(const TaxRateTable *table, QLineEdit &box)
    : QCompleter(&box)
    , table_(table ? *table : none_)
    , choices_(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("jurisdictionCompleter"));
    setModel(choices_);
    // The list is already the matches, by abbreviation and by name: shown whole.
    setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    setCompletionRole(kAbbreviationRole);
    setMaxVisibleItems(10);
    box.setCompleter(this);
    connect(&box, &QLineEdit::textEdited, this, [this](const QString &text) {
        update(text);
        if (choices_->rowCount() > 0)
            complete();
        else if (popup())
            popup()->hide();
    });
}

void CJurisdictionCompleter::update(const QString &typed)
{
    choices_->clear();
    for (const JurisdictionChoice &choice : CompleteJurisdiction(table_, ToBytes(typed))) {
        const QString abbreviation = FromBytes(choice.abbreviation);
        auto *item =
            new QStandardItem(choice.name == choice.abbreviation
                                  ? abbreviation
                                  : abbreviation + QStringLiteral("  ") + FromBytes(choice.name));
        item->setData(abbreviation, kAbbreviationRole);
        item->setEditable(false);
        choices_->appendRow(item);
    }
}
