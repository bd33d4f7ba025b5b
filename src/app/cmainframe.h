#pragma once

#include <QMainWindow>

// The program's main window: menu, toolbar, status bar, information bar and the form view.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(QWidget *parent = nullptr);
};
