# Precompiled Qt headers for the window's layers and the test programs over them
# (TOLLMARK_QT_PCH): the Qt headers most of their sources include, parsed once a target
# instead of once a source. Only targets with many Qt sources get them; a target with a
# few would spend more on the header than it saves.
#   tollmark_qt_pch(target GUI)       QtCore and QtGui, with the printer
#   tollmark_qt_pch(target WIDGETS)   the same and the widgets the dialogs and views use
set(TOLLMARK_QT_PCH_GUI
    <QByteArray> <QFile> <QFileInfo> <QDir> <QObject> <QString> <QStringList> <QColor>
    <QFont> <QFontMetrics> <QPainter> <QPrinter>)
set(TOLLMARK_QT_PCH_WIDGETS ${TOLLMARK_QT_PCH_GUI}
    <QAction> <QApplication> <QCheckBox> <QComboBox> <QDateEdit> <QDialog> <QDialogButtonBox>
    <QFormLayout> <QGridLayout> <QHBoxLayout> <QLabel> <QLineEdit> <QMenu> <QPushButton>
    <QRadioButton> <QTableView> <QVBoxLayout> <QWidget>)
# The test programs' sets add GoogleTest.
set(TOLLMARK_QT_PCH_TESTS_GUI ${TOLLMARK_QT_PCH_GUI} <gtest/gtest.h>)
set(TOLLMARK_QT_PCH_TESTS_WIDGETS ${TOLLMARK_QT_PCH_WIDGETS} <gtest/gtest.h>)

function(tollmark_qt_pch target set)
    if(TOLLMARK_QT_PCH)
        target_precompile_headers(${target} PRIVATE ${TOLLMARK_QT_PCH_${set}})
    endif()
endfunction()
