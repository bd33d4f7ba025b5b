#pragma once

#include <QApplication>

// The one application object the widget tests need (gtest_main makes none).
inline QApplication &GuiApp()
{
    static int argc = 1;
    static char name[] = "test";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    return app;
}
