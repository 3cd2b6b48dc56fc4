#pragma once

#include "platform/imagelib/rgbimage.h"

#include <QStringList>

#include <memory>
#include <vector>

namespace gb {

class OrderedWork;

// The pictures of a thumbnail printout and their information lines, made on the worker
// threads ahead of the pages that draw them, so that drawing a page only places what is
// already made. One is made for each printout run (a preview may run its pages several times)
// and dropped when the run ends.
//
//   PrintPictures pictures(files, 150, 150, {1, 2, 4});
//   PrintPicture made = pictures.take(i); // serves events until file i's picture is made
//
// take(i) gives file i (0-based) fitted into the box as createFittedRgbFromFile() fits it: the
// very pixels a fit on the calling thread gives, a null image when the file does not load or
// the box is empty; and the file's lines for the information codes (imageVariableText(),
// which reads the file). Files are meant to be taken in list order, as pages come: the files
// passed over are dropped, and a file behind the last one taken (pages produced again) starts
// the making over from it. What waits to be taken is bounded as OrderedWork bounds it.
// Dropping the object waits for the pictures being made; it leaves the files alone.
struct PrintPicture
{
    RgbImage image;
    QStringList lines;
};

class PrintPictures
{
public:
    PrintPictures(const QStringList &files, int boxWidth, int boxHeight, std::vector<int> codes);
    ~PrintPictures();
    PrintPictures(const PrintPictures &) = delete;
    PrintPictures &operator=(const PrintPictures &) = delete;

    PrintPicture take(int index);

private:
    void startAt(int first);

    QStringList mFiles;
    int mBoxWidth;
    int mBoxHeight;
    std::vector<int> mCodes;
    std::vector<PrintPicture> mMade;
    int mNext = 0; // the first file not yet taken
    int mFirst = 0; // the file the work's item 0 stands for
    std::unique_ptr<OrderedWork> mWork;
};

} // namespace gb
