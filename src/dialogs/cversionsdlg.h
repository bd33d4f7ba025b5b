#pragma once

#include "sessionbase/dialogdata.h"

#include <QDialog>

class QTableWidget;

// "Restore Version": the kept versions of the open record file, newest first, each with
// the time it was replaced, its trips and its report's totals (or why it cannot be
// read). OK (or a double-click) chooses the selected one; a version that cannot be read
// cannot be chosen.
class CVersionsDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CVersionsDlg(const VersionDialogData &data, QWidget *parent = nullptr);

    // The row chosen, or -1.
    int chosen() const;
    QTableWidget *list() const { return list_; }

private:
    void fill();
    void OnOk();

    VersionDialogData data_;
    QTableWidget *list_ = nullptr;
};
