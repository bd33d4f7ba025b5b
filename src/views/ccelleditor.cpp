#include "views/ccelleditor.h"

#include "dialogs/dialogtext.h"
#include "dialogs/dialogvalidation.h"
#include "imports/jurisdictioncompletion.h"
#include "numbers/civildate.h"
#include "numbers/uitext.h"
#include "records/builtinjurisdictions.h"
#include "records/ciftadoc.h"
#include "records/entrylist.h"
#include "records/taxlist.h"
#include "records/unitnumber.h"
#include "session/ceditsession.h"
#include "session/csession.h"
#include "sessionbase/dialogdata.h"
#include "sessionbase/typedentryprompts.h"
#include "ui/localnumbers.h"
#include "views/centrylistctrl.h"
#include "views/cjurisdictioncompleter.h"
#include "views/entryrules.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>

#include <climits>

namespace {

bool Editable(int column)
{
    return column == EntryColumnUnit || column == EntryColumnDate || column == EntryColumnState ||
           column == EntryColumnAbbrev || column == EntryColumnDistance ||
           column == EntryColumnOdometerIn || column == EntryColumnOdometerOut ||
           column == EntryColumnFuel;
}

// The abbreviation (or, without a table, the built-in name) the line's slot has.
std::string SlotText(const TaxRateTable &table, int slot)
{
    if (!IsTaxTableLoaded(table))
        return BuiltInJurisdictionName(slot);
    return TaxRateTable::isValidSlot(slot) ? table[slot].abbreviation : std::string();
}

} // namespace

CCellEditor::CCellEditor(CSession &session, QTableView &list, CEntryListCtrl &model)
    : QObject(&list)
    , session_(session)
    , list_(list)
    , model_(model)
{
    list_.installEventFilter(this);
    // Rows shown again (another record, a sort, an undo): the box's line may be another.
    connect(&model_, &QAbstractItemModel::modelReset, this, [this] { close(); });
}

QString CCellEditor::valueOf(int position, int column) const
{
    const CIftaDoc &doc = session_.document();
    const TripEntry &e = doc.entries()[static_cast<size_t>(position)];
    switch (column) {
    case EntryColumnUnit:
        return FromBytes(e.reservedText);
    case EntryColumnDate:
        return FromBytes(e.date);
    case EntryColumnDistance:
        return QString::number(e.distance);
    case EntryColumnOdometerIn:
        return QString::number(static_cast<uint32_t>(e.odometerIn));
    case EntryColumnOdometerOut:
        return QString::number(static_cast<uint32_t>(e.odometerOut));
    case EntryColumnFuel:
        return QString::fromStdString(FormatFuelField(e.fuel));
    default:
        return FromBytes(SlotText(doc.taxTable(), e.slot));
    }
}

bool CCellEditor::open(int row, int column, const QString &typed)
{
    const int position = model_.entryAtRow(row);
    if (position < 0 || !Editable(column))
        return false;
    close();
    position_ = position;
    row_ = row;
    column_ = column == EntryColumnAbbrev ? EntryColumnState : column;
    box_ = new QLineEdit(list_.viewport());
    box_->setObjectName(QStringLiteral("cellEditor"));
    if (column_ == EntryColumnState) {
        new CJurisdictionCompleter(&session_.document().taxTable(), *box_);
        // Enter in the completion list reaches the box past the filter.
        connect(box_, &QLineEdit::returnPressed, this, [this] { commit(); });
    }
    const QRect cell = list_.visualRect(model_.index(row, column_));
    const QRect last =
        column_ == EntryColumnState ? list_.visualRect(model_.index(row, EntryColumnAbbrev)) : cell;
    box_->setGeometry(cell.united(last));
    box_->setText(typed.isEmpty() ? valueOf(position, column_) : typed);
    if (typed.isEmpty())
        box_->selectAll();
    box_->installEventFilter(this);
    box_->show();
    box_->setFocus();
    return true;
}

bool CCellEditor::refuse(const char *field, const char *prompt)
{
    session_.prompts().warn(FieldPrompt(field, prompt));
    if (box_) {
        box_->setFocus();
        box_->selectAll();
    }
    return false;
}

bool CCellEditor::fillEntry(EntryDialogData &data)
{
    TripEntry &e = data.entry;
    // The figures' columns take numbers as the interface writes them (TypedNumber).
    const bool figure = column_ == EntryColumnDistance || column_ == EntryColumnFuel ||
                        column_ == EntryColumnOdometerIn || column_ == EntryColumnOdometerOut;
    const std::string text = figure ? TypedNumber(box_->text()) : ToBytes(box_->text().trimmed());
    data.abbreviation = SlotText(session_.document().taxTable(), e.slot);
    data.units = EntryUnits{e.distanceInMiles, e.fuelInGallons};
    uint32_t number = 0;
    switch (column_) {
    case EntryColumnUnit:
        e.reservedText = CleanUnitNumber(text);
        return true;
    case EntryColumnDate:
        e.date = ReadTypedTripDate(text);
        if (e.date.empty())
            return refuse(UI_TEXT_NOOP("Fields", "Date"), kEnterTripDate);
        return data.quarter == 0 || DateInQuarter(e.date, data.quarterYear, data.quarter) ||
               session_.prompts().askYesNo(OutsideQuarterQuestion(data.quarterYear, data.quarter));
    case EntryColumnDistance:
        if (!ParseUnsignedField(text, UINT32_MAX, number))
            return refuse(UI_TEXT_NOOP("Fields", "Distance"), kEnterPositiveInteger);
        e.distance = number;
        return true;
    case EntryColumnOdometerIn:
    case EntryColumnOdometerOut:
        if (!ParseUnsignedField(text, INT32_MAX, number))
            return refuse(column_ == EntryColumnOdometerIn ? UI_TEXT_NOOP("Fields", "Odometer in")
                                                           : UI_TEXT_NOOP("Fields", "Odometer out"),
                          kEnterPositiveInteger);
        (column_ == EntryColumnOdometerIn ? e.odometerIn : e.odometerOut) =
            static_cast<int32_t>(number);
        return true;
    case EntryColumnFuel:
        if (!ParseFuelField(text, e.fuel))
            return refuse(UI_TEXT_NOOP("Fields", "Fuel"), kEnterNumber);
        return true;
    default:
        data.abbreviation = SettleJurisdiction(session_.document().taxTable(), text);
        if (data.abbreviation.empty())
            return refuse(UI_TEXT_NOOP("Fields", "State"), kChooseJurisdiction);
        return true;
    }
}

bool CCellEditor::commit()
{
    if (!box_ || position_ < 0)
        return false;
    TypedEntryPrompts prompts(session_.prompts(),
                              [this](EntryDialogData &data) { return fillEntry(data); });
    CEditSession edit(session_.document(), session_.state(), prompts);
    // The readings are edited one at a time: the rule settles them as the dialog would.
    if (!edit.modifyTrip(position_))
        return false;
    const int row = row_;
    close();
    list_.selectRow(row);
    list_.setFocus();
    return true;
}

void CCellEditor::close()
{
    if (!box_)
        return;
    QLineEdit *box = box_;
    box_ = nullptr;
    position_ = -1;
    box->removeEventFilter(this);
    box->hide();
    box->deleteLater();
}

bool CCellEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &list_ && event->type() == QEvent::KeyPress && list_.model() == &model_) {
        // F2 edits the current cell as it is; a character typed replaces it.
        const auto *key = static_cast<QKeyEvent *>(event);
        const QModelIndex current = list_.currentIndex();
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        const QString text = key->text();
        if (current.isValid() && key->key() == Qt::Key_F2)
            return open(current.row(), current.column());
        if (current.isValid() && plain && text.size() == 1 && text.at(0).isPrint() &&
            text.at(0) != QLatin1Char(' '))
            return open(current.row(), current.column(), text);
        return false;
    }
    if (watched == box_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            commit();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            close();
            list_.setFocus();
            return true;
        }
    } else if (watched == box_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            close();
    }
    return QObject::eventFilter(watched, event);
}
