#pragma once

#include <QDialog>

class CIftaDoc;
class UserPrompts;
class QCheckBox;
class QTableWidget;

// "Merge Files": each "Add" asks for a record file and appends its trip lines to the
// document (renumbered from the document's mergeCounter); each merged file gets a row
// with its path and its period "%d/%d" (year/quarter). The document is changed as files
// are added; the caller decides what OK and Cancel mean for it.
class CMergeDlg : public QDialog
{
    Q_OBJECT

public:
    CMergeDlg(UserPrompts &prompts, CIftaDoc &doc, QWidget *parent = nullptr);

    // Rows shown so far (also the position of the next row).
    int rowCount() const { return rows_; }
    // The list: "File Name" and "Tax Period" columns.
    QTableWidget *list() const { return list_; }
    // "Use file names as unit numbers": lines of the files added from then on that carry
    // no unit number take their file's base name.
    QCheckBox *unitsFromNames() const { return unitsFromNames_; }

    // "Add": picks one file and merges it; false when cancelled or refused.
    bool OnAdd();

private:
    void OnHelp();

    UserPrompts &prompts_;
    CIftaDoc &doc_;
    QTableWidget *list_ = nullptr;
    QCheckBox *unitsFromNames_ = nullptr;
    int rows_ = 0;
};
