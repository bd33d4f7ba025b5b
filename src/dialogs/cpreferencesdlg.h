#pragma once

#include "session/dialogdata.h"

#include <QDialog>

#include <string>

class UserPrompts;
class QCheckBox;
class QLineEdit;

// "Preferences": edits the default tax file and the default user-profiles file, each
// with a "Browse" button. Gives both paths back on OK; the caller stores them and
// reloads the tax file and the profiles file.
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
    void OnBrowse(bool taxFile);

    UserPrompts &prompts_;
    PreferencesData data_;
    QLineEdit *taxFile_ = nullptr;
    QLineEdit *profilesFile_ = nullptr;
    QCheckBox *wholeUnits_ = nullptr;
};
