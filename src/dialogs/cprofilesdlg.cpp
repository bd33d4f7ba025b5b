#include "dialogs/cprofilesdlg.h"

#include "dialogs/dialogtext.h"
#include "dialogs/dialogvalidation.h"
#include "profiles/cprofilestore.h"
#include "sessionbase/profileactions.h"
#include "ui/userprompts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The eight texts in the order of the dialog, with their labels and the widths the
// profiles file gives them (less the terminating zero).
struct TextRow {
    const char *label;
    const char *name;
    int limit;
    std::string ProfileRecord::*field;
};

const TextRow kRows[8] = {
    {QT_TRANSLATE_NOOP("CProfilesDlg", "Company Name:"), "companyName", 47,
     &ProfileRecord::companyName},
    {QT_TRANSLATE_NOOP("CProfilesDlg", "Address:"), "address", 47, &ProfileRecord::address},
    {QT_TRANSLATE_NOOP("CProfilesDlg", "City:"), "city", 23, &ProfileRecord::city},
    {QT_TRANSLATE_NOOP("CProfilesDlg", "Province/State:"), "provinceState", 23,
     &ProfileRecord::provinceState},
    {QT_TRANSLATE_NOOP("CProfilesDlg", "Country:"), "country", 23, &ProfileRecord::country},
    {QT_TRANSLATE_NOOP("CProfilesDlg", "Postal Code/Zip:"), "postalCode", 7,
     &ProfileRecord::postalCode},
    {QT_TRANSLATE_NOOP("CProfilesDlg", "Phone:"), "phone", 19, &ProfileRecord::phone},
    {QT_TRANSLATE_NOOP("CProfilesDlg", "IFTA Number:"), "iftaNumber", 23,
     &ProfileRecord::iftaNumber},
};

} // namespace

CProfilesDlg::CProfilesDlg(UserPrompts &prompts, CProfileStore &store, QWidget *parent)
    : QDialog(parent)
    , prompts_(prompts)
    , store_(store)
{
    setWindowTitle(tr("Users Profile Dialog"));
    // The parts are made in the order the Tab key visits them.
    QGridLayout *fields = buildFields();
    QHBoxLayout *spin = buildSpin();
    QVBoxLayout *side = buildSide();
    side->addLayout(spin);
    side->addSpacing(12);
    for (QWidget *w : std::initializer_list<QWidget *>{useOdometerBox_, dieselBox_, gasBox_})
        side->addWidget(w);
    side->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(side);

    transferToControls();
    setWindowTitle(tr("Manage users profile"));
    ShowProfile(-1);
}

QGridLayout *CProfilesDlg::buildFields()
{
    auto *fields = new QGridLayout;
    for (int i = 0; i < 8; ++i) {
        texts_[i] = new QLineEdit(this);
        texts_[i]->setObjectName(kRows[i].name);
        texts_[i]->setMaxLength(kRows[i].limit);
        fields->addWidget(new QLabel(tr(kRows[i].label), this), i, 0);
        fields->addWidget(texts_[i], i, 1);
    }
    texts_[0]->setMinimumWidth(texts_[0]->fontMetrics().horizontalAdvance('M') * 24);
    useOdometerBox_ = new QCheckBox(tr("Use Odometer"), this);
    useOdometerBox_->setObjectName("useOdometer");
    dieselBox_ = new QRadioButton(tr("Diesel"), this);
    dieselBox_->setAutoExclusive(false); // a profile may have neither
    dieselBox_->setObjectName("diesel");
    gasBox_ = new QRadioButton(tr("Gas"), this);
    gasBox_->setAutoExclusive(false); // a profile may have neither
    gasBox_->setObjectName("gasoline");
    return fields;
}

QHBoxLayout *CProfilesDlg::buildSpin()
{
    // The horizontal spin: its right arrow steps -1 (toward the end of the list), its left
    // arrow +1, as an up-down control of the default range does.
    auto *previous = new QToolButton(this);
    previous->setObjectName("spinLeft");
    previous->setArrowType(Qt::LeftArrow);
    auto *next = new QToolButton(this);
    next->setObjectName("spinRight");
    next->setArrowType(Qt::RightArrow);
    connect(previous, &QToolButton::clicked, this, [this] { ShowProfile(+1); });
    connect(next, &QToolButton::clicked, this, [this] { ShowProfile(-1); });
    auto *spin = new QHBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(previous);
    spin->addWidget(next);
    return spin;
}

QVBoxLayout *CProfilesDlg::buildSide()
{
    auto *select = new QPushButton(tr("Select"), this);
    select->setObjectName("select");
    select->setDefault(true);
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cancel");
    auto *remove = new QPushButton(tr("Delete"), this);
    remove->setObjectName("delete");
    cancel->setAutoDefault(false);
    remove->setAutoDefault(false);
    connect(select, &QPushButton::clicked, this, &CProfilesDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CProfilesDlg::reject);
    connect(remove, &QPushButton::clicked, this, &CProfilesDlg::OnDeleteProfile);
    connect(dieselBox_, &QRadioButton::clicked, this, &CProfilesDlg::OnDiesel);
    connect(gasBox_, &QRadioButton::clicked, this, &CProfilesDlg::OnGas);
    auto *side = new QVBoxLayout;
    for (QWidget *w : std::initializer_list<QWidget *>{select, cancel, remove})
        side->addWidget(w);
    return side;
}

void CProfilesDlg::transferToControls()
{
    for (int i = 0; i < 8; ++i)
        texts_[i]->setText(FromBytes(fields_.*kRows[i].field));
    useOdometerBox_->setChecked(useOdometer_);
    dieselBox_->setChecked(diesel_);
    gasBox_->setChecked(gasoline_);
}

void CProfilesDlg::transferFromControls()
{
    for (int i = 0; i < 8; ++i)
        fields_.*kRows[i].field = ToBytes(texts_[i]->text());
    useOdometer_ = useOdometerBox_->isChecked();
    diesel_ = dieselBox_->isChecked();
    gasoline_ = gasBox_->isChecked();
}

void CProfilesDlg::ShowProfile(int step)
{
    transferFromControls();
    const std::vector<ProfileRecord> &profiles = store_.profiles();
    const int next = ProfileStep(current_, step, static_cast<int>(profiles.size()));
    if (next < 0)
        return;
    current_ = next;
    const ProfileRecord &record = profiles[static_cast<size_t>(current_)];
    fields_ = record;
    diesel_ = record.fuelType == FuelCodeDiesel;
    gasoline_ = record.fuelType == FuelCodeGasoline;
    useOdometer_ = record.useOdometer != 0;
    transferToControls();
    setWindowTitle(tr("User record number: %1").arg(record.recordIndex + 1));
}

void CProfilesDlg::OnDeleteProfile()
{
    // Nothing is deleted while no record is on display (an empty list, or just after a
    // delete): the file is only rewritten for a real removal.
    if (store_.profiles().empty() || current_ < 0)
        return;
    const size_t position = static_cast<size_t>(current_);
    if (!prompts_.askYesNo(DeleteProfileQuestion(store_.profiles()[position])))
        return;
    const Result deleted = DeleteProfile(store_, position);
    if (!deleted) {
        prompts_.warn(deleted.message);
        return;
    }
    // The profile that took its place shows, else the new last one; with none left the
    // dialog is empty under its own caption, never a blank numbered page.
    current_ = PositionAfterDelete(position, store_.profiles().size());
    if (current_ >= 0) {
        ShowProfile(0);
        return;
    }
    transferFromControls();
    const ProfileRecord empty;
    for (int i = 0; i < 8; ++i)
        fields_.*kRows[i].field = empty.*kRows[i].field;
    transferToControls();
    setWindowTitle(tr("Manage users profile"));
}

void CProfilesDlg::OnDiesel()
{
    dieselBox_->setChecked(true);
    gasBox_->setChecked(false);
}

void CProfilesDlg::OnGas()
{
    gasBox_->setChecked(true);
    dieselBox_->setChecked(false);
}

void CProfilesDlg::accept()
{
    transferFromControls();
    selected_ = fields_;
    selected_.useOdometer = useOdometer_ ? 1 : 0;
    selected_.fuelType = diesel_ ? 1 : (gasoline_ ? 2 : 0);
    QDialog::accept();
}
