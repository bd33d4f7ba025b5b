#pragma once

#include <QDockWidget>

#include <string>

class QLineEdit;

// The information bar docked at the top of the main window: which quarter the open record
// file belongs to ("Record Info:") and which quarter's tax rates are loaded ("Loaded Tax
// rates:"), each as "%dQ%d for %s". The two texts change only through setTexts().
class CInfoDlgBar : public QDockWidget
{
    Q_OBJECT

public:
    explicit CInfoDlgBar(QWidget *parent = nullptr);

    void setTexts(const QString &recordInfo, const QString &loadedRates);
    QString recordInfo() const;
    QString loadedRates() const;

private:
    QLineEdit *recordInfo_ = nullptr;  // control 1077
    QLineEdit *loadedRates_ = nullptr; // control 1078
};

// "%dQ%d for %s": year, the letter Q, quarter, " for ", country ("2006Q1 for Canada").
QString PeriodText(int year, int quarter, const std::string &country);
