#pragma once

#include <QLineEdit>

// The distance box (CDistanceEdit: "K" for km, "M" for miles) and the fuel box
// (CFuelEdit: "L" for litres, "G" for US gallons) of the trip entry dialog. Typing one of
// the two unit letters, in either case, switches the unit instead of entering it; other
// letters are refused. The fuel box also takes one decimal point.
class CUnitEdit : public QLineEdit
{
    Q_OBJECT

public:
    CUnitEdit(QChar firstUnit, QChar secondUnit, bool decimals, QWidget *parent = nullptr);

signals:
    // 0 for the first unit letter, 1 for the second.
    void unitKey(int which);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QChar first_;
    QChar second_;
    bool decimals_;
};
