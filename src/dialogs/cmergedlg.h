#pragma once

#include "sessionbase/dialogdata.h"

#include <QDialog>

class UserPrompts;
class QCheckBox;
class QTableWidget;

// "Merge Files": the list of record files to merge, in the order they are added, each
// with its tax period "%d/%d" (year/quarter). "Add" takes one or several files and lists
// those the merge would take (a refused file is told at once, a file already listed is
// not listed twice); "Remove" drops the selected one. Nothing is merged here: OK gives
// the list and the "Use file names as unit numbers" box back (data()), and the session
// merges them.
class CMergeDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CMergeDlg(UserPrompts &prompts, QWidget *parent = nullptr);

    // The files listed and the box as it stands.
    MergeDialogData data() const;

    // Rows shown so far.
    int rowCount() const;
    // The list: "File Name" and "Tax Period" columns.
    QTableWidget *list() const { return list_; }
    // "Use file names as unit numbers": lines that carry no unit number take their file's
    // base name, for every file listed.
    QCheckBox *unitsFromNames() const { return unitsFromNames_; }

    // "Add": picks files and lists those that can be merged; false when none was.
    bool OnAdd();
    // "Remove": drops the selected file from the list; false when none was selected.
    bool OnRemove();

private:
    bool addFile(const std::string &path);
    void OnHelp();

    UserPrompts &prompts_;
    QTableWidget *list_ = nullptr;
    QCheckBox *unitsFromNames_ = nullptr;
    std::vector<std::string> paths_;
};
