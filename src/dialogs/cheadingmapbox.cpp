#include "dialogs/cheadingmapbox.h"

#include "dialogs/dialogtext.h"

#include <QComboBox>
#include <QFormLayout>

CHeadingMapBox::CHeadingMapBox(QWidget *parent) : QGroupBox(tr("Columns by heading"), parent)
{
    setObjectName("headingMap");
    auto *form = new QFormLayout(this);
    for (int f = 0; f < kImportFieldCount; ++f) {
        const auto field = static_cast<ImportField>(f);
        auto *box = new QComboBox(this);
        box->setObjectName(ImportFieldKey(field));
        box->setMinimumContentsLength(18);
        boxes_.push_back(box);
        form->addRow(tr("%1:").arg(tr(ImportFieldCaption(field))), box);
    }
    setHeadings({}, HeadingMap());
}

void CHeadingMapBox::setHeadings(const std::vector<std::string> &headings, const HeadingMap &map)
{
    headings_ = headings;
    for (int f = 0; f < kImportFieldCount; ++f) {
        QComboBox *box = boxes_[static_cast<size_t>(f)];
        box->clear();
        box->addItem(tr("(none)"));
        for (const std::string &heading : headings_)
            box->addItem(FromBytes(heading));
        // Item 0 is "(none)"; column c is item c + 1.
        box->setCurrentIndex(map.column(static_cast<ImportField>(f)) + 1);
    }
}

HeadingMap CHeadingMapBox::map() const
{
    HeadingMap map;
    for (int f = 0; f < kImportFieldCount; ++f)
        map.setColumn(static_cast<ImportField>(f),
                      boxes_[static_cast<size_t>(f)]->currentIndex() - 1);
    return map;
}
