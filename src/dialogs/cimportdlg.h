#pragma once

#include <QDialog>

#include <cstdint>
#include <string>

class UserPrompts;
class QAbstractButton;
class QCheckBox;
class QLineEdit;
class QRadioButton;

// What the import dialog gives back on "Import".
struct ImportDialogData {
    std::string filePath;   // the CSV file chosen with "Select import file" (never empty)
    uint32_t options = 0;   // the ImportOptions bits of the ticked boxes
};

// "Import Fields Selection": which columns a CSV file has, in which units, and which
// file. Opens with the options last confirmed in this run (475 at program start) and,
// on "Import", makes the new options the remembered ones.
class CImportDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CImportDlg(UserPrompts &prompts, QWidget *parent = nullptr);

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
