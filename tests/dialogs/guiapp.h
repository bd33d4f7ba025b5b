#pragma once

#include <QApplication>

// The one application object the widget tests need (gtest_main makes none).
inline QApplication &GuiApp()
{
    // The window tests' helpers may have made it already.
    if (auto *existing = qobject_cast<QApplication *>(QCoreApplication::instance()))
        return *existing;
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's input devices would outlive the application object
    // and crash in their destructors.
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}
