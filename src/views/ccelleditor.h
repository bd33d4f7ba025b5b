#pragma once

#include <QObject>

#include <string>

class CEntryListCtrl;
class CSession;
class QLineEdit;
class QTableView;
struct EntryDialogData;

// Editing one cell of the entry list in place: F2, or typing on the selected line, opens
// a box over the current cell (Unit, Date, State or Abbrev, distance, Odometer IN and OUT,
// fuel) holding the line's own value; Enter changes the line through
// CEditSession::modifyTrip with that one field replaced, checked as the entry dialog
// checks it (the odometer rule, the outside-quarter question and the undo step
// included); Esc or leaving the box changes nothing. Copy and paste of whole lines are
// commands of the view.
class CCellEditor : public QObject
{
    Q_OBJECT

public:
    CCellEditor(CSession &session, QTableView &list, CEntryListCtrl &model);

    // Opens the box over `column` of `row`, holding `typed` instead of the value when it
    // is not empty. False for a column that cannot be edited so.
    bool open(int row, int column, const QString &typed = QString());
    // Changes the line as the box says; false when refused (the box stays open).
    bool commit();
    QLineEdit *box() const { return box_; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString valueOf(int position, int column) const;
    bool fillEntry(EntryDialogData &data);
    bool refuse(const char *field, const char *prompt);
    void close();

    CSession &session_;
    QTableView &list_;
    CEntryListCtrl &model_;
    QLineEdit *box_ = nullptr;
    int position_ = -1;
    int row_ = -1;
    int column_ = -1;
};
