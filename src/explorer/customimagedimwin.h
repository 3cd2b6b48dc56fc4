#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace gb {

// "User defined thumbnails size ...": a thumbnail width and height in pixels. Ok accepts
// sizes from 1 to 499 and ends with 1; otherwise it shows "Width & height must be greater
// than 0 and less than 500 pixels" and stays open. Cancel ends with -1.
class CustomImageDimWin : public QDialog
{
    Q_OBJECT
public:
    explicit CustomImageDimWin(QWidget *owner = nullptr);

    void setThumbWidth(int pixels);
    void setThumbHeight(int pixels);
    int thumbWidth() const { return mThumbWidth; }
    int thumbHeight() const { return mThumbHeight; }

    QLineEdit *widthEdit() const { return mWidth; }
    QLineEdit *heightEdit() const { return mHeight; }
    QPushButton *okButton() const { return mOk; }
    QPushButton *cancelButton() const { return mCancel; }

public slots:
    void pbOk();
    void pbCancel();

private:
    QLineEdit *mWidth, *mHeight;
    QPushButton *mOk, *mCancel;
    int mThumbWidth = 0;
    int mThumbHeight = 0;
};

} // namespace gb
