#pragma once

#include "records/taxratetable.h"
#include "records/tripentry.h"
#include "records/units.h"
#include "sessionbase/dialogdata.h"

#include <QDialog>

#include <string>
#include <vector>

class CUnitEdit;
class UserPrompts;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Add new entry": the date, jurisdiction, distance and fuel with their units and the
// odometer readings of one trip line. Bad numbers are refused with the program's
// validation prompts, and so is a jurisdiction that is not one of the loaded table's
// abbreviations (or, while no table is loaded, of the built-in names); the dialog then
// stays open. Closing it in any way sets the
// units of the next entry (`data().units`) from the unit buttons.
class CEntryDlg : public QDialog
{
    Q_OBJECT

public:
    CEntryDlg(UserPrompts &prompts, const EntryDialogData &data, QWidget *parent = nullptr);

    // The data given back; the entry fields are meaningful after OK.
    const EntryDialogData &data() const { return data_; }

    void accept() override;
    void done(int result) override;

    // The items of the jurisdiction box.
    std::vector<std::string> comboItems() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The controls, made in the order the Tab key visits them, laid out and connected.
    void buildControls();
    void createStateControls();
    void createFigureControls();
    void layOutControls(QGridLayout *grid, QPushButton *help, QDialogButtonBox *buttons);
    void connectControls(QPushButton *help, QDialogButtonBox *buttons);
    void transferToControls();
    bool transferFromControls();
    void fillJurisdictions();
    void showSlotName(int item);
    void matchTypedJurisdiction();
    bool jurisdictionListed() const;
    // The odometer rule as the user types (sessionbase/odometerrule.h): a reading typed
    // gives the distance, a distance typed over readings that give none moves odometer
    // out; what was not typed is not touched.
    void completeOdometerOut();
    void readingEdited();
    void recomputeDistance();
    void distanceEdited();
    // On OK: a distance and readings that disagree ask which to keep (Cancel stays).
    bool odometerSettled();
    void setDistanceUnit(bool miles);
    void setFuelUnit(bool gallons);
    // Tells the prompt, naming the field (`name`, when given), and puts the focus there.
    void refuse(QWidget *field, const char *name, const char *prompt);
    bool dateConfirmed();

    UserPrompts &prompts_;
    EntryDialogData data_;
    const TripEntry original_;   // the line as it came in
    bool distanceTyped_ = false; // the distance shown was typed, not worked out

    QDateEdit *date_ = nullptr;        // 1039
    QComboBox *state_ = nullptr;       // 1004
    QLineEdit *stateName_ = nullptr;   // 1013
    CUnitEdit *distance_ = nullptr;    // 1006
    CUnitEdit *fuel_ = nullptr;        // 1007
    QLineEdit *odometerIn_ = nullptr;  // 1034
    QLineEdit *odometerOut_ = nullptr; // 1035
    QLineEdit *unit_ = nullptr;        // the unit number (reservedText)
    QRadioButton *km_ = nullptr;       // 1010
    QRadioButton *miles_ = nullptr;    // 1009
    QRadioButton *litres_ = nullptr;   // 1011
    QRadioButton *gallons_ = nullptr;  // 1012
    QCheckBox *useOdometer_ = nullptr; // 1036
    QLabel *distanceCaption_ = nullptr;
    QLabel *fuelCaption_ = nullptr;
};
