// The small dialog the picture export asks a PNG's width with.
#pragma once

#include "ChartExport.h"

#include <QDialog>

class QLabel;
class QSpinBox;

namespace orbenza {

// The small dialog that asks the width of a PNG picture, with the height that
// follows from it shown beside.
class PictureSizeDialog : public QDialog {
    Q_OBJECT

public:
    explicit PictureSizeDialog(int suggestedWidth, QWidget* parent = nullptr);

    int widthPixels() const;

private:
    void showHeight();

    QSpinBox* m_width = nullptr;
    QLabel* m_height = nullptr;
};

} // namespace orbenza
