// The about box: the program's picture, name and version, what it does, and a
// link to the maker's home page.
#pragma once

#include <QDialog>

namespace orbenza {

class AboutBox : public QDialog {
    Q_OBJECT

public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace orbenza
