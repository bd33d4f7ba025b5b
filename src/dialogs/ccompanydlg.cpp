#include "dialogs/ccompanydlg.h"

#include "dialogs/chelpwindow.h"
#include "dialogs/dialogtext.h"
#include "dialogs/dialogvalidation.h"
#include "numbers/uitext.h"
#include "profiles/cprofilestore.h"
#include "records/jurisdictions.h"
#include "sessionbase/profileactions.h"
#include "ui/userprompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTextCursor>
#include <QVBoxLayout>

namespace {

constexpr int kMaxOdometer = 10000000;
constexpr int kNotesLimit = 84;

QLineEdit *TextField(QWidget *parent, const char *name, int limit)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(limit);
    return edit;
}

QComboBox *ListField(QWidget *parent, const char *name, int limit)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setMaxLength(limit);
    return combo;
}

QDateEdit *DateField(QWidget *parent, const char *name)
{
    auto *date = new QDateEdit(QDate::currentDate(), parent);
    date->setObjectName(name);
    date->setCalendarPopup(true);
    date->setDisplayFormat("yyyy/MM/dd");
    return date;
}

QDate ToQDate(const PeriodDate &d)
{
    const QDate date(d.year, d.month, d.day);
    return d.year != 0 && date.isValid() ? date : QDate::currentDate();
}

PeriodDate FromQDate(const QDate &d)
{
    return {static_cast<uint16_t>(d.year()), static_cast<uint16_t>(d.month()),
            static_cast<uint16_t>(d.day())};
}

QPushButton *Button(QWidget *parent, const QString &text, const char *name)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CCompanyDlg::CCompanyDlg(UserPrompts &prompts, CProfileStore *store, const CompanyDialogData &data,
                         QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , store_(store)
    , data_(data)
{
    setWindowTitle(tr("Company Setup"));
    buildControls();

    country_->addItems({"Canada", "US"});
    if (data_.withPeriodDates) {
        to_->setDate(ToQDate(data_.company.periodTo));
        from_->setDate(ToQDate(data_.company.periodFrom));
    }
    diesel_->setEnabled(data_.fuelChoice);
    gas_->setEnabled(data_.fuelChoice);
    FillStateCombo(data_.company.country == "Canada");
    goToProfiles_->setEnabled(data_.goToProfiles && data_.fuelChoice);
    addProfile_->setEnabled(store_ != nullptr);
    transferToControls();
}

void CCompanyDlg::buildControls()
{
    // The parts are made in the order the Tab key visits them.
    createFields();
    QGridLayout *fields = layOutFields();
    QVBoxLayout *side = layOutSide();
    QVBoxLayout *buttons = buildButtons();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(side);
    layout->addLayout(buttons);
    connect(diesel_, &QRadioButton::clicked, this, &CCompanyDlg::OnDiesel);
    connect(gas_, &QRadioButton::clicked, this, &CCompanyDlg::OnGas);
    connect(country_, &QComboBox::activated, this, &CCompanyDlg::OnCountrySelected);
    connect(notes_, &QPlainTextEdit::textChanged, this, &CCompanyDlg::limitNotes);
}

void CCompanyDlg::createFields()
{
    companyName_ = TextField(this, "companyName", 47);
    address_ = TextField(this, "address", 47);
    city_ = TextField(this, "city", 23);
    province_ = ListField(this, "provinceState", 3);
    country_ = ListField(this, "country", 23);
    postalCode_ = TextField(this, "postalCode", 7);
    phone_ = TextField(this, "phone", 19);
    iftaNumber_ = TextField(this, "iftaNumber", 23);
    // A reading is digits only: the field takes no sign, point or letter at all.
    odometer_ = TextField(this, "startOdometer", 32);
    odometer_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), odometer_));
    useOdometer_ = new QCheckBox(tr("Use Odometer"), this);
    useOdometer_->setObjectName("useOdometer");
    diesel_ = new QRadioButton(tr("Diesel"), this);
    diesel_->setAutoExclusive(false); // a profile may have neither
    diesel_->setObjectName("diesel");
    gas_ = new QRadioButton(tr("Gas"), this);
    gas_->setAutoExclusive(false); // a profile may have neither
    gas_->setObjectName("gasoline");
    from_ = DateField(this, "periodFrom");
    to_ = DateField(this, "periodTo");
    notes_ = new QPlainTextEdit(this);
    notes_->setObjectName("notes");
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * 3 + 14);
    companyName_->setMinimumWidth(companyName_->fontMetrics().horizontalAdvance('M') * 24);
}

QGridLayout *CCompanyDlg::layOutFields()
{
    auto *fields = new QGridLayout;
    const std::pair<QString, QWidget *> rows[] = {{tr("Company Name:"), companyName_},
                                                  {tr("Address:"), address_},
                                                  {tr("City:"), city_},
                                                  {tr("Province/State:"), province_},
                                                  {tr("Country:"), country_},
                                                  {tr("Postal Code/Zip:"), postalCode_},
                                                  {tr("Phone:"), phone_},
                                                  {tr("IFTA Number:"), iftaNumber_}};
    int row = 0;
    for (const auto &[label, widget] : rows) {
        fields->addWidget(new QLabel(label, this), row, 0);
        fields->addWidget(widget, row++, 1);
    }
    fields->addWidget(new QLabel(tr("Notes:"), this), row, 0, Qt::AlignTop);
    fields->addWidget(notes_, row, 1);
    return fields;
}

QVBoxLayout *CCompanyDlg::layOutSide()
{
    auto *odometer = new QGroupBox(this);
    auto *odometerLayout = new QGridLayout(odometer);
    odometerLayout->addWidget(new QLabel(tr("Odometer:"), odometer), 0, 0);
    odometerLayout->addWidget(odometer_, 0, 1);
    odometerLayout->addWidget(useOdometer_, 1, 0, 1, 2);
    auto *fuel = new QGroupBox(this);
    auto *fuelLayout = new QHBoxLayout(fuel);
    fuelLayout->addWidget(diesel_);
    fuelLayout->addWidget(gas_);
    auto *period = new QGroupBox(this);
    auto *periodLayout = new QGridLayout(period);
    periodLayout->addWidget(new QLabel(tr("From:"), period), 0, 0);
    periodLayout->addWidget(from_, 0, 1);
    periodLayout->addWidget(new QLabel(tr("To:"), period), 1, 0);
    periodLayout->addWidget(to_, 1, 1);

    auto *side = new QVBoxLayout;
    side->addWidget(odometer);
    side->addWidget(fuel);
    side->addWidget(period);
    side->addStretch();
    return side;
}

QVBoxLayout *CCompanyDlg::buildButtons()
{
    auto *ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto *cancel = Button(this, tr("Cancel"), "cancel");
    auto *help = Button(this, tr("Help"), "help");
    addProfile_ = Button(this, tr("Add Profile"), "addProfile");
    goToProfiles_ = Button(this, tr("Go to profiles"), "goToProfiles");
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {ok, cancel, help, addProfile_, goToProfiles_})
        buttons->addWidget(b);
    buttons->addStretch();
    connect(ok, &QPushButton::clicked, this, &CCompanyDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CCompanyDlg::reject);
    connect(help, &QPushButton::clicked, this, &CCompanyDlg::OnHelp);
    connect(addProfile_, &QPushButton::clicked, this, &CCompanyDlg::OnAddProfile);
    connect(goToProfiles_, &QPushButton::clicked, this, [this] { done(GoToProfiles); });
    return buttons;
}

void CCompanyDlg::FillStateCombo(bool canada)
{
    // Emptying the list empties its edit field too: the old abbreviation belongs to the
    // other country's list.
    province_->clear();
    province_->setEditText(QString());
    const char *const *list = canada ? kCanadaJurisdictions : kUsJurisdictions;
    for (; **list != '\0'; ++list)
        province_->addItem(QString::fromLatin1(*list));
    province_->setCurrentIndex(-1);
    province_->setEditText(QString());
}

void CCompanyDlg::transferToControls()
{
    const CompanyInfo &c = data_.company;
    companyName_->setText(FromBytes(c.companyName));
    address_->setText(FromBytes(c.address));
    city_->setText(FromBytes(c.city));
    country_->setEditText(FromBytes(c.country));
    province_->setEditText(FromBytes(c.provinceState));
    postalCode_->setText(FromBytes(c.postalCode));
    phone_->setText(FromBytes(c.phone));
    iftaNumber_->setText(FromBytes(c.iftaNumber));
    odometer_->setText(QString::number(c.startOdometer));
    useOdometer_->setChecked(c.useOdometer != 0);
    diesel_->setChecked(c.diesel != 0);
    gas_->setChecked(c.gasoline != 0);
    notes_->setPlainText(FromBytes(NotesToControl(c.notes)));
}

bool CCompanyDlg::transferFromControls()
{
    CompanyInfo c = data_.company;
    const Result odometer =
        ParseIntegerField(odometer_->text().toStdString(), 0, kMaxOdometer, c.startOdometer);
    if (!odometer) {
        prompts_.warn(FieldPrompt(UI_TEXT_NOOP("Fields", "Start odometer"), odometer.message));
        odometer_->setFocus();
        odometer_->selectAll();
        return false;
    }
    c.companyName = ToBytes(companyName_->text());
    c.address = ToBytes(address_->text());
    c.city = ToBytes(city_->text());
    c.provinceState = ToBytes(province_->currentText());
    c.country = ToBytes(country_->currentText());
    c.postalCode = ToBytes(postalCode_->text());
    c.phone = ToBytes(phone_->text());
    c.iftaNumber = ToBytes(iftaNumber_->text());
    c.useOdometer = useOdometer_->isChecked() ? 1 : 0;
    c.diesel = diesel_->isChecked() ? 1 : 0;
    c.gasoline = gas_->isChecked() ? 1 : 0;
    c.notes = NotesFromControl(ToBytes(notes_->toPlainText()));
    data_.company = c;
    return true;
}

void CCompanyDlg::limitNotes()
{
    const QString text = notes_->toPlainText();
    if (NotesLength(ToBytes(text)) <= kNotesLimit)
        return;
    // Like a limited edit box, refuse what goes past the limit: keep the longest start.
    QString kept = text;
    while (!kept.isEmpty() && NotesLength(ToBytes(kept)) > kNotesLimit)
        kept.chop(1);
    const QSignalBlocker block(notes_);
    notes_->setPlainText(kept);
    notes_->moveCursor(QTextCursor::End);
}

void CCompanyDlg::OnDiesel()
{
    // Clicking either box always leaves it ticked and the other one clear.
    diesel_->setChecked(true);
    gas_->setChecked(false);
}

void CCompanyDlg::OnGas()
{
    gas_->setChecked(true);
    diesel_->setChecked(false);
}

void CCompanyDlg::OnCountrySelected(int index)
{
    FillStateCombo(index != 1);
}

void CCompanyDlg::OnAddProfile()
{
    if (!store_)
        return;
    CompanyInfo identity;
    identity.companyName = ToBytes(companyName_->text());
    identity.address = ToBytes(address_->text());
    identity.city = ToBytes(city_->text());
    identity.provinceState = ToBytes(province_->currentText());
    identity.country = ToBytes(country_->currentText());
    identity.postalCode = ToBytes(postalCode_->text());
    identity.phone = ToBytes(phone_->text());
    identity.iftaNumber = ToBytes(iftaNumber_->text());
    identity.diesel = diesel_->isChecked() ? 1 : 0;
    identity.gasoline = diesel_->isChecked() ? 0 : 1;
    bool saved = false;
    const Result added = AddOrReplaceProfile(*store_, identity, prompts_, saved);
    if (saved)
        prompts_.inform(UiText("CCompanyDlg", "Profile saved"));
    else if (!added)
        prompts_.warn(added.message.empty()
                          ? UiText("CCompanyDlg", "The profile could not be saved.")
                          : added.message);
}

void CCompanyDlg::OnHelp()
{
    prompts_.showHelp(kCompanyInfoHelp);
}

void CCompanyDlg::accept()
{
    if (!transferFromControls())
        return;
    if (data_.withPeriodDates) {
        // A period that ends before it starts would print a return for no days.
        if (to_->date() < from_->date()) {
            prompts_.warn(kPeriodEndsBeforeStart);
            to_->setFocus();
            return;
        }
        // A return covers one quarter: dates across two would print a period no
        // jurisdiction takes.
        int32_t year = 0;
        int32_t quarter = 0;
        if (!PeriodDatesQuarter(FromQDate(from_->date()), FromQDate(to_->date()), year, quarter)) {
            prompts_.warn(kPeriodNotOneQuarter);
            from_->setFocus();
            return;
        }
        data_.company.periodTo = FromQDate(to_->date());
        data_.company.periodFrom = FromQDate(from_->date());
    }
    QDialog::accept();
}
