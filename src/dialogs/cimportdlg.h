#pragma once

#include "sessionbase/dialogdata.h"

#include <QDialog>

#include <cstdint>
#include <string>

class CAppSettings;
class CHeadingMapBox;
class UserPrompts;
class QAbstractButton;
class QComboBox;
class QCheckBox;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

// "Import Fields Selection": which columns a CSV file has, in which units, and which
// file. Opens with the options it is given (the ones last confirmed in this run) and, on
// "Import", gives back the file and the options ticked.
//
// A file can also be imported by its heading: once a file is chosen the dialog shows
// which column each of our fields comes from (detected from the column names, or the
// preset named in "Preset" when the file has its columns), and preselects "By the file's
// heading" when the first line names the jurisdiction column and another of ours (unless
// the heading is laid out as the options' fixed columns are). On
// "Import" by heading the mapping is kept under the preset's name for the next quarter,
// in `settings`.
class CImportDlg : public QDialog
{
    Q_OBJECT

public:
    CImportDlg(UserPrompts &prompts, const ImportDialogData &data, CAppSettings &settings,
               QWidget *parent = nullptr);

    const ImportDialogData &data() const { return data_; }
    CHeadingMapBox *headingMap() const { return headingMap_; }

    // The file to import, as "Select import file" chooses it: its heading fills the
    // mapping and chooses the way.
    void setFile(const std::string &path);

    // "Import": refused with "Select the file to import first" while no file is chosen.
    void accept() override;

private:
    // Keeps the mapping under the preset `name`, asking first when the name holds another.
    void keepPreset(const QString &name, const QString &mapping);
    // The parts of the dialog, made in the constructor in this order.
    QHBoxLayout *buildFileRow();
    void createOptionControls();
    QVBoxLayout *buildHeadingPart();
    QGroupBox *buildColumns();
    QHBoxLayout *buildButtons();

    void transferToControls(uint32_t options);
    uint32_t optionsFromControls() const;
    void OnSelectFile();
    // Reads the chosen file's heading into the mapping box and chooses the way.
    void showHeadings();
    void applyPreset(const QString &name);
    void showWay();
    void OnHelp();

    UserPrompts &prompts_;
    CAppSettings &settings_;
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
    QRadioButton *byOptions_ = nullptr;
    QRadioButton *byHeading_ = nullptr;
    QWidget *optionsPart_ = nullptr;
    CHeadingMapBox *headingMap_ = nullptr;
    QComboBox *preset_ = nullptr;
};
