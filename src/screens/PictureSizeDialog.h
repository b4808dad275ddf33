// The small dialog the picture export asks a PNG's width with.
#pragma once

#include "ChartExport.h"

#include <QDialog>

class QLabel;
class QSpinBox;

namespace orbenza {

// The small dialog that asks the width of a PNG picture, with the height that
// follows from it shown beside: the height the picture is
// written with (the sign wheel's or the degree wheel's), pictureHeight.
class PictureSizeDialog : public QDialog {
    Q_OBJECT

public:
    explicit PictureSizeDialog(int suggestedWidth,
                               PictureHeightForWidth pictureHeight = pictureHeightForWidth,
                               QWidget* parent = nullptr);

    int widthPixels() const;

private:
    void showHeight();

    QSpinBox* m_width = nullptr;
    QLabel* m_height = nullptr;
    PictureHeightForWidth m_heightForWidth;
};

} // namespace orbenza
