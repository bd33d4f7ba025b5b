#pragma once

#include "imports/headingmap.h"

#include <QGroupBox>

#include <string>
#include <vector>

class QComboBox;

// The columns an import by heading takes each of our fields from, shown before the
// import runs: one box a field, offering "(none)" and every column of the file's heading.
class CHeadingMapBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit CHeadingMapBox(QWidget *parent = nullptr);

    // The file's column names; each field takes the column `map` gives it.
    void setHeadings(const std::vector<std::string> &headings, const HeadingMap &map);
    const std::vector<std::string> &headings() const { return headings_; }

    // The columns chosen now.
    HeadingMap map() const;
    // The same as a mapping text (MappingText).
    std::string mappingText() const { return MappingText(map(), headings_); }

    // The box of one field.
    QComboBox *fieldBox(ImportField field) const { return boxes_[static_cast<size_t>(field)]; }

private:
    std::vector<std::string> headings_;
    std::vector<QComboBox *> boxes_;
};
