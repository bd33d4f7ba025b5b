#pragma once

#include "profiles/profilerecord.h"

#include <QDialog>

class CProfileStore;
class UserPrompts;
class QCheckBox;
class QGridLayout;
class QHBoxLayout;
class QVBoxLayout;
class QRadioButton;
class QLineEdit;

// "Users Profile Dialog": pages through the stored user profiles with a horizontal
// spin, deletes the one on display from the profiles file at once, and "Select" gives
// back the fields shown (as edited) to start a new record file with.
class CProfilesDlg : public QDialog
{
    Q_OBJECT

public:
    // `prompts` tells of a profiles file that could not be rewritten after a delete.
    CProfilesDlg(UserPrompts &prompts, CProfileStore &store, QWidget *parent = nullptr);

    // The fields shown when "Select" was pressed: the eight texts, `useOdometer`, and
    // `fuelType` 1 when "Diesel" is on, else 2 when "Gas" is on, else 0. The other
    // fields are those of the record last shown (zero when none was).
    const ProfileRecord &selected() const { return selected_; }

    // Shows the neighbour of the record on display: a negative step toward the end of
    // the list (from the last to the first), a positive one toward its start (from the
    // first to the last). Nothing happens with no profiles.
    void ShowProfile(int step);
    // Deletes the record on display from the list and the profiles file.
    void OnDeleteProfile();

    // Position in the store's list of the record on display, -1 for none.
    int currentPosition() const { return current_; }

    void accept() override;

private:
    // The parts of the dialog, made in the constructor in this order: the texts and the
    // three boxes, the spin, the buttons (the side column, to which the constructor adds
    // the spin and the boxes).
    QGridLayout *buildFields();
    QHBoxLayout *buildSpin();
    QVBoxLayout *buildSide();

    void transferToControls();
    void transferFromControls();
    void OnDiesel();
    void OnGas();

    UserPrompts &prompts_;
    CProfileStore &store_;
    int current_ = -1;
    // The members the controls exchange with: the eight texts and the three boxes.
    ProfileRecord fields_;
    bool diesel_ = true;
    bool gasoline_ = false;
    bool useOdometer_ = false;
    ProfileRecord selected_;

    QLineEdit *texts_[8] = {};
    QCheckBox *useOdometerBox_ = nullptr;
    QRadioButton *dieselBox_ = nullptr;
    QRadioButton *gasBox_ = nullptr;
};
