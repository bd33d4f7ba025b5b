#pragma once

#include "session/dialogdata.h"

#include <QDialog>

#include <cstdint>
#include <string>

class UserPrompts;
class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// "Import Fields Selection": which columns a CSV file has, in which units, and which
// file. Opens with the options it is given (the ones last confirmed in this run) and, on
// "Import", gives back the file and the options ticked.
class CImportDlg : public QDialog
{
    Q_OBJECT

public:
    CImportDlg(UserPrompts &prompts, const ImportDialogData &data, QWidget *parent = nullptr);

    const ImportDialogData &data() const { return data_; }

    // "Import": refused with "Select the file to import first" while no file is chosen.
    void accept() override;

private:
    void transferToControls(uint32_t options);
    uint32_t optionsFromControls() const;
    void OnSelectFile();
    void OnHelp();

    UserPrompts &prompts_;
    ImportDialogData data_;

    QLineEdit *filePath_ = nullptr;
    QCheckBox *header_ = nullptr;
    QCheckBox *date_ = nullptr;
    QCheckBox *state_ = nullptr;
    QCheckBox *distance_ = nullptr;
    QRadioButton *km_ = nullptr;
    QRadioButton *miles_ = nullptr;
    QCheckBox *fuel_ = nullptr;
    QRadioButton *litres_ = nullptr;
    QRadioButton *gallons_ = nullptr;
    QCheckBox *odometerIn_ = nullptr;
    QCheckBox *odometerOut_ = nullptr;
};
