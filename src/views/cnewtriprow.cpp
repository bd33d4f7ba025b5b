#include "views/cnewtriprow.h"

#include "dialogs/dialogtext.h"
#include "dialogs/dialogvalidation.h"
#include "imports/jurisdictioncompletion.h"
#include "numbers/civildate.h"
#include "numbers/uitext.h"
#include "records/changeobservers.h"
#include "records/ciftadoc.h"
#include "records/entrylist.h"
#include "records/unitnumber.h"
#include "session/ceditsession.h"
#include "session/csession.h"
#include "sessionbase/dialogdata.h"
#include "sessionbase/odometerrule.h"
#include "sessionbase/programstate.h"
#include "sessionbase/typedentryprompts.h"
#include "ui/localnumbers.h"
#include "views/centrylistctrl.h"
#include "views/cjurisdictioncompleter.h"
#include "views/cunitedit.h"
#include "views/entryrules.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <climits>

namespace {

} // namespace

CNewTripRow::CNewTripRow(CSession &session, QTableView &list, QWidget *parent)
    : QWidget(parent)
    , session_(session)
    , list_(list)
{
    setObjectName(QStringLiteral("newTripRow"));
    buildBoxes();
    connect(list_.horizontalHeader(), &QHeaderView::sectionResized, this, [this] { placeBoxes(); });
    connect(list_.horizontalHeader(), &QHeaderView::geometriesChanged, this,
            [this] { placeBoxes(); });
    connect(list_.horizontalScrollBar(), &QScrollBar::valueChanged, this, [this] { placeBoxes(); });
    // From the list, Insert (or Down on its last line) goes to the row.
    list_.installEventFilter(this);
    // The odometer buttons and the company dialog change which boxes the row has.
    observer_ = session_.document().observers().add([this](const DocChange &change) {
        if (change.what == DocChange::What::CompanyChanged)
            companyChanged();
    });
    clear();
}

CNewTripRow::~CNewTripRow()
{
    session_.document().observers().remove(observer_);
}

void CNewTripRow::companyChanged()
{
    // A row not yet typed in starts again from the record's defaults.
    if (state_->text().isEmpty() && distance_->text().isEmpty() && fuel_->text().isEmpty()) {
        clear();
        return;
    }
    const bool odometer = session_.document().usesOdometer();
    odometerIn_->setEnabled(odometer);
    odometerOut_->setEnabled(odometer);
}

void CNewTripRow::enter()
{
    if (!isVisible())
        return;
    date_->setFocus(Qt::TabFocusReason);
    date_->selectAll();
}

void CNewTripRow::buildBoxes()
{
    const auto box = [this](QLineEdit *edit, const char *name, const char *tip) {
        edit->setObjectName(QString::fromLatin1(name));
        edit->setToolTip(tr(tip));
        edit->installEventFilter(this);
        return edit;
    };
    marker_ = new QLabel(QStringLiteral("*"), this);
    marker_->setAlignment(Qt::AlignCenter);
    // Made in the order the Tab key visits them: the list's columns from left to right.
    unit_ = box(new QLineEdit(this), "rowUnit", QT_TR_NOOP("The truck's unit number (no commas)"));
    unit_->setMaxLength(static_cast<int>(kUnitNumberLength));
    date_ = box(new QLineEdit(this), "rowDate", QT_TR_NOOP("The date of the trip, YYYY/MM/DD"));
    date_->setPlaceholderText(tr("YYYY/MM/DD"));
    // A whole date (YYYY/MM/DD, ten characters) typed at the end of the box moves on to the
    // jurisdiction as Tab would: the date is the one box whose end the row can tell.
    connect(date_, &QLineEdit::textEdited, this, [this](const QString &text) {
        CivilDate day;
        if (text.size() == 10 && date_->cursorPosition() == 10 &&
            ParseTripDate(ToBytes(text.trimmed()), day)) {
            state_->setFocus(Qt::TabFocusReason);
            state_->selectAll();
            dateAdvanced_ = true;
        }
    });
    state_ = box(new QLineEdit(this), "rowState",
                 QT_TR_NOOP("Abbreviation or first letters of the name"));
    state_->setPlaceholderText(tr("State"));
    new CJurisdictionCompleter(&session_.document().taxTable(), *state_);
    // Enter while the completion list is open reaches the box past the filter: the list
    // takes the choice, then the line is added.
    connect(state_, &QLineEdit::returnPressed, this, [this] { submit(); });
    distance_ = new CUnitEdit(QLatin1Char('K'), QLatin1Char('M'), false, this);
    box(distance_, "rowDistance", QT_TR_NOOP("The distance; K or M switches kilometres and miles"));
    odometerIn_ = box(new QLineEdit(this), "rowOdometerIn", QT_TR_NOOP("Odometer in"));
    odometerOut_ = box(new QLineEdit(this), "rowOdometerOut", QT_TR_NOOP("Odometer out"));
    fuel_ = new CUnitEdit(QLatin1Char('L'), QLatin1Char('G'), true, this);
    box(fuel_, "rowFuel", QT_TR_NOOP("The fuel; L or G switches litres and US gallons"));
    unitsLabel_ = new QLabel(this);
    unitsLabel_->setObjectName(QStringLiteral("rowUnits"));
    for (QLineEdit *edit : {static_cast<QLineEdit *>(distance_), odometerIn_, odometerOut_,
                            static_cast<QLineEdit *>(fuel_)})
        edit->setAlignment(Qt::AlignRight);
    connect(distance_, &CUnitEdit::unitKey, this, [this](int which) {
        units_.distanceInMiles = which;
        showUnits();
    });
    connect(fuel_, &CUnitEdit::unitKey, this, [this](int which) {
        units_.fuelInGallons = which;
        showUnits();
    });
    setFixedHeight(unit_->sizeHint().height());
}

void CNewTripRow::placeBoxes()
{
    const QHeaderView &header = *list_.horizontalHeader();
    const int left = list_.viewport()->x();
    const auto place = [&](QWidget *w, int first, int last) {
        const int x = header.sectionViewportPosition(first) + left;
        const int end = header.sectionViewportPosition(last) + header.sectionSize(last) + left;
        w->setGeometry(x, 0, std::max(end - x, 8), height());
    };
    place(marker_, EntryColumnTrip, EntryColumnTrip);
    place(unit_, EntryColumnUnit, EntryColumnUnit);
    place(date_, EntryColumnDate, EntryColumnDate);
    place(state_, EntryColumnState, EntryColumnAbbrev);
    place(distance_, EntryColumnDistance, EntryColumnDistance);
    place(odometerIn_, EntryColumnOdometerIn, EntryColumnOdometerIn);
    place(odometerOut_, EntryColumnOdometerOut, EntryColumnOdometerOut);
    place(fuel_, EntryColumnFuel, EntryColumnFuel);
    place(unitsLabel_, EntryColumnSurtax, EntryColumnSurtax);
}

void CNewTripRow::showUnits()
{
    unitsLabel_->setText(QStringLiteral("%1 %2").arg(units_.distanceInMiles ? tr("Mil") : tr("Km"),
                                                     units_.fuelInGallons ? tr("Gal") : tr("L")));
}

void CNewTripRow::clear()
{
    CIftaDoc &doc = session_.document();
    units_ = doc.newEntryUnits();
    const TripEntry next = doc.prepareNewEntry(units_);
    unit_->setText(FromBytes(session_.state().lastUnitNumber));
    date_->setText(FromBytes(next.date));
    state_->clear();
    distance_->clear();
    fuel_->clear();
    odometerIn_->setText(QString::number(static_cast<uint32_t>(next.odometerIn)));
    odometerOut_->clear();
    const bool odometer = doc.usesOdometer();
    odometerIn_->setEnabled(odometer);
    odometerOut_->setEnabled(odometer);
    showUnits();
    placeBoxes();
}

bool CNewTripRow::refuse(QLineEdit *box, const char *field, const char *prompt)
{
    session_.prompts().warn(FieldPrompt(field, prompt));
    box->setFocus();
    box->selectAll();
    return false;
}

bool CNewTripRow::settleJurisdiction()
{
    const std::string typed = ToBytes(state_->text().trimmed());
    if (typed.empty())
        return true;
    const std::string settled = SettleJurisdiction(session_.document().taxTable(), typed);
    if (settled.empty())
        return refuse(state_, UI_TEXT_NOOP("Fields", "State"), kChooseJurisdiction);
    state_->setText(FromBytes(settled));
    return true;
}

bool CNewTripRow::readNumbers(EntryDialogData &data)
{
    TripEntry &e = data.entry;
    uint32_t distance = 0, in = 0, out = 0;
    Hundredths fuel;
    const std::string distanceText = TypedNumber(distance_->text());
    if (!distanceText.empty() && !ParseUnsignedField(distanceText, UINT32_MAX, distance))
        return refuse(distance_, UI_TEXT_NOOP("Fields", "Distance"), kEnterPositiveInteger);
    const std::string fuelText = TypedNumber(fuel_->text());
    if (!fuelText.empty() && !ParseFuelField(fuelText, fuel))
        return refuse(fuel_, UI_TEXT_NOOP("Fields", "Fuel"), kEnterNumber);
    e.distance = distance;
    e.fuel = fuel;
    if (data.useOdometer == 0)
        return true;
    if (!ParseUnsignedField(TypedNumber(odometerIn_->text()), INT32_MAX, in))
        return refuse(odometerIn_, UI_TEXT_NOOP("Fields", "Odometer in"), kEnterPositiveInteger);
    const std::string outText = TypedNumber(odometerOut_->text());
    if (!outText.empty() && !ParseUnsignedField(outText, INT32_MAX, out))
        return refuse(odometerOut_, UI_TEXT_NOOP("Fields", "Odometer out"), kEnterPositiveInteger);
    // As in the dialog: a short reading out is completed from the reading in, readings
    // typed give the distance unless one was typed (the session's rule settles the rest).
    out = outText.empty() ? in : CompleteOdometerOut(out, in);
    e.odometerIn = static_cast<int32_t>(in);
    e.odometerOut = static_cast<int32_t>(out);
    if (distanceText.empty() && out > in)
        e.distance = OdometerDistance(in, out);
    return true;
}

bool CNewTripRow::fillEntry(EntryDialogData &data)
{
    TripEntry &e = data.entry;
    data.units = units_;
    const std::string dateText = ToBytes(date_->text().trimmed());
    if (!dateText.empty()) {
        const std::string day = ReadTypedTripDate(dateText);
        if (day.empty())
            return refuse(date_, UI_TEXT_NOOP("Fields", "Date"), kEnterTripDate);
        e.date = day;
    } else if (e.date.empty()) {
        return refuse(date_, UI_TEXT_NOOP("Fields", "Date"), kEnterTripDate);
    }
    if (!settleJurisdiction())
        return false;
    data.abbreviation = ToBytes(state_->text().trimmed());
    if (data.abbreviation.empty())
        return refuse(state_, UI_TEXT_NOOP("Fields", "State"), kChooseJurisdiction);
    e.reservedText = CleanUnitNumber(ToBytes(unit_->text().trimmed()));
    if (!readNumbers(data))
        return false;
    e.distanceInMiles = units_.distanceInMiles;
    e.fuelInGallons = units_.fuelInGallons;
    // A trip dated outside the record's quarter lands on the wrong return.
    if (data.quarter != 0 && !DateInQuarter(e.date, data.quarterYear, data.quarter) &&
        !session_.prompts().askYesNo(OutsideQuarterQuestion(data.quarterYear, data.quarter))) {
        date_->setFocus();
        date_->selectAll();
        return false;
    }
    return true;
}

bool CNewTripRow::submit()
{
    bool typed = true;
    TypedEntryPrompts prompts(session_.prompts(), [&](EntryDialogData &data) {
        // The first dialog is the typed line; a second is its surcharge line, taken as
        // offered.
        const bool first = typed;
        typed = false;
        return first ? fillEntry(data) : AcceptOfferedEntry(data);
    });
    CEditSession edit(session_.document(), session_.state(), prompts);
    const int position = edit.addTrip();
    if (position < 0)
        return false;
    clear();
    enter();
    list_.scrollToBottom();
    return true;
}

bool CNewTripRow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &list_) {
        if (event->type() != QEvent::KeyPress || !isVisible())
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const int rows = list_.model() ? list_.model()->rowCount() : 0;
        const bool last = list_.currentIndex().row() == rows - 1 || rows == 0;
        if (key->key() == Qt::Key_Insert || (key->key() == Qt::Key_Down && last)) {
            enter();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // The Tab of a hand used to leaving the date itself, just after the row moved on:
        // taken, so it does not skip the jurisdiction.
        const bool habitTab = watched == state_ && dateAdvanced_ && key->key() == Qt::Key_Tab &&
                              state_->text().isEmpty();
        dateAdvanced_ = false;
        if (habitTab)
            return true;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            submit();
            return true;
        }
        if (key->key() == Qt::Key_Escape) {
            clear();
            enter();
            return true;
        }
        // A date holds no letter: one typed in the date box begins the jurisdiction, so a
        // trip on the same day needs no Tab to leave the date.
        const QString text = key->text();
        if (watched == date_ && text.size() == 1 && text.at(0).isLetter() &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            state_->setFocus(Qt::TabFocusReason);
            state_->clear();
            QKeyEvent typed(QEvent::KeyPress, key->key(), key->modifiers(), text);
            QApplication::sendEvent(state_, &typed);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && watched == state_) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            settleJurisdiction();
    }
    return QWidget::eventFilter(watched, event);
}
