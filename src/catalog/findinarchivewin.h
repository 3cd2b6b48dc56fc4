#pragma once

#include "catalog/archivesearch.h"
#include "platform/imagelib/rgbimage.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTabWidget;
class QTreeWidget;

namespace gb {

class ArchServer;
class FindCommentsWin;
class FindImageFormatWin;
class FindKeywordsWin;
class GeneralFindWin;
class PreviewFt;

// "Search the archive ...": the catalog search over one open catalog, owned by its window.
// Find reads the four criteria pages, checks them, scans every record of the chosen media
// kinds and lists those that pass; choosing a listed image shows its stored thumbnail. It
// changes nothing in the catalog. A double click on a listed image asks the catalog window to
// show its folder (imageOpened).
class FindInArchiveWin : public QDialog
{
    Q_OBJECT
public:
    FindInArchiveWin(QWidget *owner, ArchServer &server);

    // The criteria as the pages give them now.
    SearchCriteria criteria() const;

    GeneralFindWin *generalPage() const { return mGeneral; }
    FindImageFormatWin *formatPage() const { return mFormat; }
    FindKeywordsWin *keywordsPage() const { return mKeywords; }
    FindCommentsWin *commentsPage() const { return mComments; }
    QTabWidget *findTab() const { return mTabs; }
    QTreeWidget *previewLv() const { return mList; }
    QLabel *foundFt() const { return mFound; }
    QLabel *searchedFt() const { return mSearched; }
    QLabel *searchInFt() const { return mSearchIn; }
    PreviewFt *preview() const { return mPreview; }
    bool previewShown() const { return !mPreviewImage.isNull(); }

    // The kept values of a result row: media code, trimmed label, full drive-less path.
    struct Row { QString media, volume, fullPath; };
    Row row(int index) const;

public slots:
    void pbFind();
    void pbCancel();
    void listViewSelectionChanged();
    void updatePreview(const QString &media, const QString &volume, const QString &fullPath);

signals:
    void imageOpened(const QString &media, const QString &volume, const QString &fullPath);

private:
    ArchServer &mServer;
    QTabWidget *mTabs;
    GeneralFindWin *mGeneral;
    FindImageFormatWin *mFormat;
    FindKeywordsWin *mKeywords;
    FindCommentsWin *mComments;
    QLabel *mFound, *mSearched, *mSearchIn;
    PreviewFt *mPreview;
    QTreeWidget *mList;
    RgbImage mPreviewImage;
};

} // namespace gb
