#pragma once

#include <QDockWidget>

#include <string>

class QLineEdit;

// The information bar docked at the top of the main window: which quarter the open record
// file belongs to ("Record Info:") and which quarter's tax rates are loaded ("Loaded Tax
// rates:"), each as "%dQ%d for %s", and when the return is due or how late it is
// ("Filing:", "Due 2026-07-31" or "Late: 2 months"). The texts change only through
// setTexts() and setFilingText().
class CInfoDlgBar : public QDockWidget
{
    Q_OBJECT

public:
    explicit CInfoDlgBar(QWidget *parent = nullptr);

    void setTexts(const QString &recordInfo, const QString &loadedRates);
    QString recordInfo() const;
    QString loadedRates() const;
    void setFilingText(const QString &text);
    QString filingText() const;

private:
    QLineEdit *recordInfo_ = nullptr;  // control 1077
    QLineEdit *loadedRates_ = nullptr; // control 1078
    QLineEdit *filing_ = nullptr;
};

// "%dQ%d for %s": year, the letter Q, quarter, " for ", country ("2006Q1 for Canada").
QString PeriodText(int year, int quarter, const std::string &country);
