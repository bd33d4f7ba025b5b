#pragma once

#include "session/dialogdata.h"

#include <QDialog>

#include <string>

class UserPrompts;
class QCheckBox;
class QGridLayout;
class QSpinBox;
class QLineEdit;

// "Preferences": edits the default tax file, the default user-profiles file and the
// interest-rate table of late returns (empty: the one shipped), each with a "Browse"
// button. Gives the paths back on OK; the caller stores them and reloads the tax file
// and the profiles file.
class CPreferencesDlg : public QDialog
{
    Q_OBJECT

public:
    CPreferencesDlg(UserPrompts &prompts, const PreferencesData &data, QWidget *parent = nullptr);

    const PreferencesData &data() const { return data_; }

    void accept() override;

private:
    void transferToControls();
    void transferFromControls();
    // A File Open for the path `member` of the data, with `filter`.
    void OnBrowse(std::string PreferencesData::*member, const char *filter);
    // A file's label above its box and "Browse" button, at `row` and the row below.
    void addFileRow(QGridLayout &grid, int row, const QString &label, QLineEdit *edit,
                    std::string PreferencesData::*member, const char *filter,
                    const char *browseName);

    UserPrompts &prompts_;
    PreferencesData data_;
    QLineEdit *taxFile_ = nullptr;
    QLineEdit *profilesFile_ = nullptr;
    QLineEdit *interestRatesFile_ = nullptr;
    QCheckBox *wholeUnits_ = nullptr;
    QSpinBox *backupsKept_ = nullptr;
};
