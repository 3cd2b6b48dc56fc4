#pragma once

#include <QDialog>

class QTabWidget;
class QPushButton;

namespace gb {

class GeneralPropertiesWin;
class ImagePropertiesWin;

// "File Properties": two pages about one file, "General Properties" (location, name, size,
// times, attributes) and "Image Properties" (size, colours, depth, memory, preview). It only
// shows: nothing is written back. Close ends it with 1. Open it with fileProperties().
class FilePropertiesWin : public QDialog
{
    Q_OBJECT
public:
    explicit FilePropertiesWin(QWidget *owner = nullptr);

    // Fills both pages, the general page first; everything is read here, before showing.
    void setFileName(const QString &file);
    QString fileName() const { return mFileName; }

    QTabWidget *tabs() const { return mTabs; }
    GeneralPropertiesWin *generalPage() const { return mGeneral; }
    ImagePropertiesWin *imagePage() const { return mImage; }
    QPushButton *closeButton() const { return mClose; }

public slots:
    void pbClose();

private:
    QTabWidget *mTabs;
    QPushButton *mClose;
    GeneralPropertiesWin *mGeneral;
    ImagePropertiesWin *mImage;
    QString mFileName;
};

// Shows the properties of a file modally and returns when the user closes them.
void fileProperties(QWidget *owner, const QString &file);

} // namespace gb
