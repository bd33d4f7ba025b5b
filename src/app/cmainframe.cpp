#include "app/cmainframe.h"

// TODO: menus, toolbar, status bar panes, information bar and the form view.
CMainFrame::CMainFrame(QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Untitled - IFTA"));
    resize(800, 600);
}
