#pragma once

#include "records/units.h"

#include <QWidget>

#include <string>

class CSession;
class CUnitEdit;
class QLabel;
class QLineEdit;
class QTableView;
struct EntryDialogData;

// The new-trip row at the foot of the entry list: Unit, Date, Jurisdiction, Distance,
// Odometer in and out (with the odometer on) and Fuel, each under its column of the list,
// typed in place. Tab and Shift+Tab move between the boxes, Enter adds the line, Esc
// clears the row. A line is added by CEditSession::addTrip, the typed boxes answering
// the entry dialog, so every rule of Add New holds (units carried over and switched with
// K/M and L/G, the odometer rule, the surcharge offer, whose line is added at once on
// Yes, one undo step a line); the boxes are checked as the dialog checks its own. The next
// row starts from the dialog's defaults (date, unit, odometer in), in the date box, where
// a letter typed goes on to the jurisdiction box: a trip on the same day is its
// jurisdiction, Tab, distance, Tab, fuel and Enter. Insert on the list, or Down on its
// last line, goes to the row.
class CNewTripRow : public QWidget
{
    Q_OBJECT

public:
    CNewTripRow(CSession &session, QTableView &list, QWidget *parent = nullptr);
    ~CNewTripRow() override;

    // Adds the typed line. False when it was refused or cancelled: the row keeps its text.
    bool submit();
    // Empties the boxes and fills in the defaults of the next line.
    void clear();
    // Puts the focus into the date box, where a new line starts.
    void enter();
    // The units the distance and fuel boxes are in.
    const EntryUnits &units() const { return units_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildBoxes();
    void placeBoxes();
    void showUnits();
    void companyChanged();
    // The jurisdiction box, left: its text settled on a jurisdiction, or refused.
    bool settleJurisdiction();
    // The entry dialog's answer from the boxes; false after a refusal.
    bool fillEntry(EntryDialogData &data);
    bool readNumbers(EntryDialogData &data);
    bool refuse(QLineEdit *box, const char *field, const char *prompt);

    CSession &session_;
    QTableView &list_;
    int observer_ = 0; // of the document
    EntryUnits units_;
    QLabel *marker_ = nullptr;
    QLineEdit *unit_ = nullptr;
    QLineEdit *date_ = nullptr;
    QLineEdit *state_ = nullptr;
    CUnitEdit *distance_ = nullptr;
    QLineEdit *odometerIn_ = nullptr;
    QLineEdit *odometerOut_ = nullptr;
    CUnitEdit *fuel_ = nullptr;
    QLabel *unitsLabel_ = nullptr;
    bool dateAdvanced_ = false; // the date box has just moved on to the jurisdiction
};
