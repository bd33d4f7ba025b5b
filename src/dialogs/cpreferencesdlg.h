#pragma once

#include "sessionbase/dialogdata.h"

#include <QDialog>

#include <string>

class UserPrompts;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLayout;
class QLineEdit;
class QSpinBox;

// "Preferences": edits the default tax file, the default user-profiles file and the
// interest-rate table of late returns (empty: the one shipped), each with a "Browse"
// button, the report's rounding, the earlier versions kept and the minutes between
// recovery copies ("Off": none), and the window's language ("System", "English",
// "Français"), which takes effect at the next start, as the dialog says.
// Gives them back on OK; the caller stores them and reloads the tax file and the
// profiles file.
class CPreferencesDlg : public QDialog
{
    Q_OBJECT

public:
    CPreferencesDlg(UserPrompts &prompts, const PreferencesData &data, QWidget *parent = nullptr);

    const PreferencesData &data() const { return data_; }

    void accept() override;

private:
    // The interval of recovery copies: a spin box whose 0 reads "Off".
    QLayout *buildRecoveryRow();
    // The language's box and the note that it changes at the next start.
    QLayout *buildLanguageRow();
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
    QSpinBox *recoveryMinutes_ = nullptr;
    QSpinBox *backupsKept_ = nullptr;
    QComboBox *language_ = nullptr;
};
