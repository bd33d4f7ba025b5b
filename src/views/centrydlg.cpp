#include "views/centrydlg.h"

#include "dialogs/dialogvalidation.h"
#include "imports/jurisdictioncompletion.h"
#include "numbers/civildate.h"
#include "numbers/uitext.h"
#include "platform/cp1252.h"
#include "records/builtinjurisdictions.h"
#include "records/taxlist.h"
#include "records/tripentry.h"
#include "records/unitnumber.h"
#include "records/units.h"
#include "sessionbase/odometerrule.h"
#include "ui/localnumbers.h"
#include "ui/userprompts.h"
#include "views/cjurisdictioncompleter.h"
#include "views/cunitedit.h"
#include "views/entryrules.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QValidator>

#include <climits>

namespace {

constexpr unsigned kAddNewHelpContext = 98317; // the "Add New" command's help

// The jurisdiction box takes what is typed in upper case.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

// The unit number box refuses what would split the stored trip line: commas and line
// ends, typed or pasted.
class UnitNumberValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (const QChar c : input) {
            const char16_t code = c.unicode();
            if (code == 0x2028 || code == 0x2029 ||
                (code < 0x80 && !IsUnitNumberChar(static_cast<char>(code))))
                return Invalid;
        }
        return Acceptable;
    }
};

QString fromBytes(const std::string &bytes)
{
    return QString::fromStdString(Cp1252ToUtf8(bytes));
}

std::string toBytes(const QString &text)
{
    return Utf8ToCp1252(text.toStdString());
}

const char *const kPositiveInteger = UI_TEXT_NOOP("Messages", "Please enter a positive integer.");
const char *const kNumber = UI_TEXT_NOOP("Messages", "Please enter a number.");
const char *const kChooseDate = UI_TEXT_NOOP("Messages", "Please choose the date of the trip.");

// The picker's "no date": the day before the date range, shown blank. A line whose
// stored text is no date opens so, never silently as today.
QDate NoDate()
{
    return QDate(kFirstYear, 1, 1).addDays(-1);
}

// Shows a stored trip date as it is; a new line without one starts at today.
void ShowStoredDate(QDateEdit *picker, const std::string &text, bool add)
{
    CivilDate date;
    if (ParseTripDate(text, date))
        picker->setDate(QDate(date.year, date.month, date.day));
    else if (add && text.empty())
        picker->setDate(QDate::currentDate());
    else
        picker->setDate(NoDate());
}

} // namespace

CEntryDlg::CEntryDlg(UserPrompts &prompts, const EntryDialogData &data, QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , data_(data)
    , original_(data.entry)
{
    buildControls();
    const TripEntry &e = data_.entry;
    setWindowTitle((data_.add ? tr("Add Item %1") : tr("Modify Item %1")).arg(e.tripNumber));
    transferToControls();
    fillJurisdictions();
}

void CEntryDlg::buildControls()
{
    setObjectName(QStringLiteral("CEntryDlg"));
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(12);

    date_ = new QDateEdit(this);
    date_->setObjectName(QStringLiteral("date"));
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    date_->setDateRange(NoDate(), QDate(kLastYear, 12, 31));
    date_->setSpecialValueText(QStringLiteral(" ")); // NoDate() shows blank
    date_->setDate(QDate::currentDate());
    date_->installEventFilter(this);

    // The rest is made in the order the Tab key visits it.
    createStateControls();
    createFigureControls();
    auto *help = new QPushButton(tr("Help"), this);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layOutControls(grid, help, buttons);
    connectControls(help, buttons);
}

void CEntryDlg::createStateControls()
{
    state_ = new QComboBox(this);
    state_->setObjectName(QStringLiteral("state"));
    state_->setEditable(true);
    state_->setInsertPolicy(QComboBox::NoInsert);
    state_->setCompleter(nullptr);
    state_->setMaxVisibleItems(12);
    state_->lineEdit()->setValidator(new UpperCaseValidator(state_));
    // Type-ahead by abbreviation and by name ("ont" offers ON Ontario).
    new CJurisdictionCompleter(data_.table, *state_->lineEdit());
    state_->installEventFilter(this);

    stateName_ = new QLineEdit(this);
    stateName_->setObjectName(QStringLiteral("stateName"));
    stateName_->setReadOnly(true);
    stateName_->setFrame(false);
    stateName_->setFocusPolicy(Qt::NoFocus);
    stateName_->setMinimumWidth(
        stateName_->fontMetrics().horizontalAdvance(tr("Prince Edward Island")) + 8);
}

void CEntryDlg::createFigureControls()
{
    distance_ = new CUnitEdit(QLatin1Char('K'), QLatin1Char('M'), false, this);
    distance_->setObjectName(QStringLiteral("distance"));
    distance_->installEventFilter(this);
    fuel_ = new CUnitEdit(QLatin1Char('L'), QLatin1Char('G'), true, this);
    fuel_->setObjectName(QStringLiteral("fuel"));
    odometerIn_ = new QLineEdit(this);
    odometerIn_->setObjectName(QStringLiteral("odometerIn"));
    odometerIn_->installEventFilter(this);
    odometerOut_ = new QLineEdit(this);
    odometerOut_->setObjectName(QStringLiteral("odometerOut"));
    odometerOut_->installEventFilter(this);
    for (QLineEdit *edit : {static_cast<QLineEdit *>(distance_), static_cast<QLineEdit *>(fuel_),
                            odometerIn_, odometerOut_})
        edit->setMaximumWidth(90);

    km_ = new QRadioButton(tr("KM"), this);
    miles_ = new QRadioButton(tr("MIL"), this);
    litres_ = new QRadioButton(tr("L"), this);
    gallons_ = new QRadioButton(tr("GAL"), this);
    // Two groups, distance and fuel: each is one Tab stop (the arrow keys move within it)
    // and keeps its pair exclusive.
    for (auto pair : {std::make_pair(km_, miles_), std::make_pair(litres_, gallons_)}) {
        auto *group = new QButtonGroup(this);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }
    useOdometer_ = new QCheckBox(tr("Use odometer"), this);
    useOdometer_->setObjectName(QStringLiteral("useOdometer"));

    unit_ = new QLineEdit(this);
    unit_->setObjectName(QStringLiteral("unit"));
    unit_->setMaxLength(static_cast<int>(kUnitNumberLength));
    unit_->setValidator(new UnitNumberValidator(unit_));
    unit_->setMaximumWidth(unit_->fontMetrics().horizontalAdvance(QString(12, QLatin1Char('W'))));
    unit_->setToolTip(tr("The truck's unit number (no commas)"));
}

void CEntryDlg::layOutControls(QGridLayout *grid, QPushButton *help, QDialogButtonBox *buttons)
{
    grid->addWidget(new QLabel(tr("Date:"), this), 0, 0);
    grid->addWidget(date_, 1, 0);
    grid->addWidget(new QLabel(tr("State abbrev.:"), this), 2, 0);
    grid->addWidget(state_, 3, 0);
    grid->addWidget(stateName_, 4, 0);
    auto *unitRow = new QHBoxLayout;
    auto *unitCaption = new QLabel(tr("Unit:"), this);
    unitCaption->setBuddy(unit_);
    unitRow->addWidget(unitCaption);
    unitRow->addWidget(unit_);
    grid->addLayout(unitRow, 5, 0);
    distanceCaption_ = new QLabel(tr("Distance (Km)"), this);
    distanceCaption_->setObjectName(QStringLiteral("distanceCaption"));
    grid->addWidget(distanceCaption_, 0, 1);
    grid->addWidget(distance_, 1, 1);
    grid->addWidget(new QLabel(tr("Odometer in: "), this), 2, 1);
    grid->addWidget(odometerIn_, 3, 1);
    grid->addWidget(new QLabel(tr("Odometer out:"), this), 4, 1);
    grid->addWidget(odometerOut_, 5, 1);
    auto *distanceUnits = new QVBoxLayout;
    distanceUnits->addWidget(km_);
    distanceUnits->addWidget(miles_);
    grid->addLayout(distanceUnits, 0, 2, 2, 1);
    grid->addWidget(useOdometer_, 3, 2);
    fuelCaption_ = new QLabel(tr("Fuel (L)"), this);
    fuelCaption_->setObjectName(QStringLiteral("fuelCaption"));
    grid->addWidget(fuelCaption_, 0, 3);
    grid->addWidget(fuel_, 1, 3);
    auto *fuelUnits = new QVBoxLayout;
    fuelUnits->addWidget(litres_);
    fuelUnits->addWidget(gallons_);
    grid->addLayout(fuelUnits, 0, 4, 2, 1);
    grid->addWidget(help, 4, 4, Qt::AlignRight);
    grid->addWidget(buttons, 5, 3, 1, 2, Qt::AlignRight);
}

void CEntryDlg::connectControls(QPushButton *help, QDialogButtonBox *buttons)
{
    connect(buttons, &QDialogButtonBox::accepted, this, &CEntryDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CEntryDlg::reject);
    connect(help, &QPushButton::clicked, this, [this] { prompts_.showHelp(kAddNewHelpContext); });
    connect(km_, &QRadioButton::clicked, this, [this] { setDistanceUnit(false); });
    connect(miles_, &QRadioButton::clicked, this, [this] { setDistanceUnit(true); });
    connect(litres_, &QRadioButton::clicked, this, [this] { setFuelUnit(false); });
    connect(gallons_, &QRadioButton::clicked, this, [this] { setFuelUnit(true); });
    connect(distance_, &CUnitEdit::unitKey, this,
            [this](int which) { setDistanceUnit(which == 1); });
    connect(fuel_, &CUnitEdit::unitKey, this, [this](int which) { setFuelUnit(which == 1); });
    connect(useOdometer_, &QCheckBox::toggled, this, [this](bool on) {
        data_.useOdometer = on ? 1 : 0;
        // The readings count only with the odometer in use.
        odometerIn_->setEnabled(on);
        odometerOut_->setEnabled(on);
    });
    connect(state_, QOverload<int>::of(&QComboBox::activated), this, &CEntryDlg::showSlotName);
}

void CEntryDlg::transferToControls()
{
    const TripEntry &e = data_.entry;
    const TaxRateTable *table = data_.table;
    if (table && IsTaxTableLoaded(*table)) {
        const bool slotKnown = TaxRateTable::isValidSlot(e.slot);
        state_->setEditText(slotKnown ? fromBytes((*table)[e.slot].abbreviation) : QString());
        stateName_->setText(slotKnown ? fromBytes((*table)[e.slot].name) : QString());
    } else {
        // Without a table the box offers the built-in names: a line being modified shows
        // its own; a new line names none until the user chooses.
        const QString name = data_.add ? QString() : fromBytes(BuiltInJurisdictionName(e.slot));
        state_->setEditText(name);
        stateName_->setText(name);
    }
    unit_->setText(fromBytes(e.reservedText));
    distance_->setText(QString::number(e.distance));
    fuel_->setText(ShownNumber(FormatFuelField(e.fuel)));
    odometerIn_->setText(QString::number(static_cast<uint32_t>(e.odometerIn)));
    odometerOut_->setText(QString::number(static_cast<uint32_t>(e.odometerOut)));
    setDistanceUnit(e.distanceInMiles != 0);
    setFuelUnit(e.fuelInGallons != 0);
    useOdometer_->setChecked(data_.useOdometer != 0);
    odometerIn_->setEnabled(data_.useOdometer != 0);
    odometerOut_->setEnabled(data_.useOdometer != 0);
    ShowStoredDate(date_, e.date, data_.add);
}

void CEntryDlg::fillJurisdictions()
{
    const QString typed = state_->currentText();
    state_->clear();
    const TaxRateTable *table = data_.table;
    if (table && IsTaxTableLoaded(*table)) {
        // Slot 0 is offered whatever it holds; the list runs on to the first slot after it
        // without an abbreviation, so that an item's index stays its slot number.
        int used = 1;
        while (used < TaxRateTable::kSlotCount && !(*table)[used].abbreviation.empty())
            ++used;
        for (int slot = 0; slot < used; ++slot)
            state_->addItem(fromBytes((*table)[slot].abbreviation));
        if (data_.entry.slot >= 0 && data_.entry.slot < used)
            state_->setCurrentIndex(data_.entry.slot);
        else
            state_->setEditText(typed);
    } else {
        for (const std::string &name : BuiltInJurisdictionNames())
            state_->addItem(fromBytes(name));
        state_->setEditText(typed);
    }
}

std::vector<std::string> CEntryDlg::comboItems() const
{
    std::vector<std::string> items;
    items.reserve(static_cast<size_t>(state_->count()));
    for (int i = 0; i < state_->count(); ++i)
        items.push_back(toBytes(state_->itemText(i)));
    return items;
}

void CEntryDlg::showSlotName(int item)
{
    const TaxRateTable *table = data_.table;
    if (table && IsTaxTableLoaded(*table) && TaxRateTable::isValidSlot(item))
        stateName_->setText(fromBytes((*table)[item].name));
    else if (item >= 0 && item < state_->count())
        stateName_->setText(state_->itemText(item)); // a built-in name is its own name
    else
        stateName_->clear();
}

void CEntryDlg::matchTypedJurisdiction()
{
    const std::string typed = toBytes(state_->currentText());
    int item = MatchComboItem(comboItems(), typed);
    if (item < 0 && !typed.empty()) {
        // Not the beginning of an abbreviation: perhaps of a name ("new b" for NB).
        const TaxRateTable none;
        const std::string settled = SettleJurisdiction(data_.table ? *data_.table : none, typed);
        item = settled.empty() ? -1 : state_->findText(fromBytes(settled), Qt::MatchFixedString);
    }
    if (item < 0) {
        stateName_->clear(); // no slot carries that text
        return;
    }
    state_->setCurrentIndex(item);
    state_->setEditText(state_->itemText(item));
    showSlotName(item);
}

bool CEntryDlg::jurisdictionListed() const
{
    // With a table, one of its abbreviations; without one, one of the built-in names,
    // whose slot the line then keeps. Any other text would tax the trip as slot 0's.
    const QString text = state_->currentText();
    return !text.isEmpty() && state_->findText(text, Qt::MatchFixedString) >= 0;
}

void CEntryDlg::completeOdometerOut()
{
    uint32_t in = 0, out = 0;
    // Only a reading the user typed is completed: a line opened with readings that give
    // no distance (a trip kept without them) keeps its own distance.
    if (!useOdometer_->isChecked() || !odometerOut_->isModified() ||
        !ParseUnsignedField(TypedNumber(odometerIn_->text()), UINT32_MAX, in) ||
        !ParseUnsignedField(TypedNumber(odometerOut_->text()), UINT32_MAX, out))
        return;
    odometerOut_->setText(QString::number(CompleteOdometerOut(out, in)));
    recomputeDistance();
}

void CEntryDlg::readingEdited()
{
    if (!odometerIn_->isModified())
        return;
    odometerIn_->setModified(false);
    recomputeDistance();
}

void CEntryDlg::recomputeDistance()
{
    uint32_t in = 0, out = 0;
    if (!useOdometer_->isChecked() ||
        !ParseUnsignedField(TypedNumber(odometerIn_->text()), UINT32_MAX, in) ||
        !ParseUnsignedField(TypedNumber(odometerOut_->text()), UINT32_MAX, out))
        return;
    // Readings that give a distance give it; readings that give none make it 0, unless
    // the user typed the distance: that is never replaced by 0 (OK asks which to keep).
    if (out > in || !distanceTyped_) {
        distance_->setText(QString::number(OdometerDistance(in, out)));
        distanceTyped_ = false;
    }
}

void CEntryDlg::distanceEdited()
{
    if (!distance_->isModified())
        return;
    distance_->setModified(false);
    distanceTyped_ = true;
    uint32_t distance = 0, in = 0, out = 0;
    if (!useOdometer_->isChecked() ||
        !ParseUnsignedField(TypedNumber(distance_->text()), UINT32_MAX, distance) ||
        !ParseUnsignedField(TypedNumber(odometerIn_->text()), INT32_MAX, in) ||
        !ParseUnsignedField(TypedNumber(odometerOut_->text()), INT32_MAX, out) || out > in)
        return;
    // Readings that give no distance (both carried from the last trip) take the one
    // typed.
    TripEntry line;
    line.distance = distance;
    line.odometerIn = static_cast<int32_t>(in);
    if (distance > 0 && KeepDistance(line))
        odometerOut_->setText(QString::number(line.odometerOut));
}

void CEntryDlg::setDistanceUnit(bool miles)
{
    miles_->setChecked(miles);
    km_->setChecked(!miles);
    // The units carry over from the last trip: the caption says which they are.
    distanceCaption_->setText(miles ? tr("Distance (Mil)") : tr("Distance (Km)"));
}

void CEntryDlg::setFuelUnit(bool gallons)
{
    gallons_->setChecked(gallons);
    litres_->setChecked(!gallons);
    fuelCaption_->setText(gallons ? tr("Fuel (Gal)") : tr("Fuel (L)"));
}

bool CEntryDlg::eventFilter(QObject *watched, QEvent *event)
{
    // Tab leaves the date picker, as it leaves every other box, instead of walking
    // through the year, month and day; the arrow keys still move between them.
    if (watched == date_ && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
            !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            focusNextPrevChild(key->key() == Qt::Key_Tab &&
                               !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (watched == state_ && reason != Qt::PopupFocusReason) {
            matchTypedJurisdiction();
            // A text no jurisdiction goes by is refused as the box is left.
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
                !state_->currentText().isEmpty() && !jurisdictionListed())
                refuse(state_, "State abbrev.", kChooseJurisdiction);
        } else if (watched == odometerOut_)
            completeOdometerOut();
        else if (watched == odometerIn_)
            readingEdited();
        else if (watched == distance_)
            distanceEdited();
    }
    return QDialog::eventFilter(watched, event);
}

void CEntryDlg::refuse(QWidget *field, const char *name, const char *prompt)
{
    prompts_.warn(name ? FieldPrompt(name, prompt) : std::string(prompt));
    field->setFocus();
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        edit->selectAll();
}

bool CEntryDlg::transferFromControls()
{
    // Odometer readings are kept as signed 32-bit numbers in the record.
    const uint32_t odometerMax = INT32_MAX;
    uint32_t distance = 0, in = 0, out = 0;
    if (date_->date() == NoDate() && data_.entry.date.empty()) {
        refuse(date_, nullptr, kChooseDate);
        return false;
    }
    Hundredths fuel;
    if (!ParseUnsignedField(TypedNumber(distance_->text()), UINT32_MAX, distance)) {
        refuse(distance_, UI_TEXT_NOOP("Fields", "Distance"), kPositiveInteger);
        return false;
    }
    if (!ParseFuelField(TypedNumber(fuel_->text()), fuel)) {
        refuse(fuel_, UI_TEXT_NOOP("Fields", "Fuel"), kNumber);
        return false;
    }
    if (!ParseUnsignedField(TypedNumber(odometerIn_->text()), odometerMax, in)) {
        refuse(odometerIn_, UI_TEXT_NOOP("Fields", "Odometer in"), kPositiveInteger);
        return false;
    }
    if (!ParseUnsignedField(TypedNumber(odometerOut_->text()), odometerMax, out)) {
        refuse(odometerOut_, UI_TEXT_NOOP("Fields", "Odometer out"), kPositiveInteger);
        return false;
    }
    TripEntry &e = data_.entry;
    // The box shows what is typed in upper case; the line takes the item as listed.
    const int item = state_->findText(state_->currentText(), Qt::MatchFixedString);
    data_.abbreviation = toBytes(item >= 0 ? state_->itemText(item) : state_->currentText());
    e.reservedText = CleanUnitNumber(toBytes(unit_->text()));
    e.distance = distance;
    e.fuel = fuel;
    e.odometerIn = static_cast<int32_t>(in);
    e.odometerOut = static_cast<int32_t>(out);
    // A picker left on "no date" keeps the text the line came with.
    const QDate d = date_->date();
    if (d != NoDate())
        e.date = FormatTripDate(CivilDate{d.year(), d.month(), d.day()});
    e.distanceInMiles = miles_->isChecked() ? 1 : 0;
    e.fuelInGallons = litres_->isChecked() ? 0 : 1;
    data_.useOdometer = useOdometer_->isChecked() ? 1 : 0;
    return true;
}

void CEntryDlg::accept()
{
    matchTypedJurisdiction();
    // Enter pressed in a box counts as leaving it.
    distanceEdited();
    readingEdited();
    completeOdometerOut();
    if (!jurisdictionListed()) {
        refuse(state_, nullptr, kChooseJurisdiction);
        return;
    }
    if (!transferFromControls() || !odometerSettled() || !dateConfirmed())
        return;
    QDialog::accept();
}

bool CEntryDlg::odometerSettled()
{
    // The session's rule (sessionbase/odometerrule.h); the dialog only asks its question.
    TripEntry &e = data_.entry;
    if (SettleOdometer(original_, e, data_.useOdometer != 0, data_.add) !=
        OdometerOutcome::Disagree)
        return true;
    switch (prompts_.askYesNoCancel(OdometerQuestion(e))) {
    case SessionPrompts::Answer::Yes:
        if (KeepDistance(e))
            return true;
        refuse(distance_, nullptr, kOdometerTooLarge);
        return false;
    case SessionPrompts::Answer::No:
        KeepReadings(e);
        return true;
    case SessionPrompts::Answer::Cancel:
        break;
    }
    distance_->setFocus();
    return false;
}

bool CEntryDlg::dateConfirmed()
{
    // A trip dated outside the record's quarter lands on the wrong return; a line being
    // modified is asked about only when its date was changed.
    const std::string &date = data_.entry.date;
    if (data_.quarter == 0 || DateInQuarter(date, data_.quarterYear, data_.quarter) ||
        (!data_.add && date == original_.date))
        return true;
    if (prompts_.askYesNo(OutsideQuarterQuestion(data_.quarterYear, data_.quarter)))
        return true;
    date_->setFocus();
    return false;
}

void CEntryDlg::done(int result)
{
    // OK and Cancel alike leave the unit buttons' state as the units of the next entry.
    data_.units = EntryUnits{miles_->isChecked() ? 1 : 0, litres_->isChecked() ? 0 : 1};
    QDialog::done(result);
}
