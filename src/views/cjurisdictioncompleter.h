#pragma once

#include "records/taxratetable.h"

#include <QCompleter>

class QLineEdit;
class QStandardItemModel;

// The type-ahead of a jurisdiction box: as the user types, the popup lists the
// jurisdictions of `table` whose abbreviation or name begins with the text
// (CompleteJurisdiction: "ont" lists "ON  Ontario"), and choosing one puts its
// abbreviation into the box. The table is read at every keystroke, so a table loaded
// later is offered at once.
class CJurisdictionCompleter : public QCompleter
{
    Q_OBJECT

public:
    // `table` null: no table is loaded (the built-in names are offered).
    CJurisdictionCompleter(const TaxRateTable *table, QLineEdit &box);

    // The choices for `typed`, as the popup lists them.
    void update(const QString &typed);

private:
    const TaxRateTable none_; // offered while `table` is null: no slot is filled
    const TaxRateTable &table_;
    QStandardItemModel *choices_ = nullptr;
};
