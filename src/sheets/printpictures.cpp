#include "sheets/printpictures.h"

#include "common/orderedwork.h"
#include "image/thumbnail.h"
#include "sheets/variabletext.h"

namespace gb {

PrintPictures::PrintPictures(const QStringList &files, int boxWidth, int boxHeight, std::vector<int> codes)
    : mFiles(files), mBoxWidth(boxWidth), mBoxHeight(boxHeight), mCodes(std::move(codes)), mMade(size_t(files.size()))
{
}

PrintPictures::~PrintPictures() = default;

void PrintPictures::startAt(int first)
{
    // The old work ends before the new one may write the same pictures.
    mWork.reset();
    for (PrintPicture &made : mMade)
        made = PrintPicture();
    mFirst = first;
    mNext = first;
    const bool box = mBoxWidth > 0 && mBoxHeight > 0;
    mWork = std::make_unique<OrderedWork>(int(mFiles.size()) - first, workerThreads(), [this, first, box](int k) {
        PrintPicture &made = mMade[size_t(first + k)];
        const QString &file = mFiles[first + k];
        if (box) {
            int fullWidth = 0, fullHeight = 0;
            QString error;
            made.image = createFittedRgbFromFile(file, mBoxWidth, mBoxHeight, fullWidth, fullHeight, error);
        }
        made.lines = imageVariableText(file, mCodes);
    });
    mWork->orderBy([this, first](int k) { return weightOfFile(mFiles[first + k]); });
    mWork->costsMemory([this, first](int k) { return memoryOfFile(mFiles[first + k]); });
    mWork->holdsBytes([this, first](int k) { return mMade[size_t(first + k)].image.byteCount(); });
}

PrintPicture PrintPictures::take(int index)
{
    if (index < 0 || index >= mFiles.size())
        return PrintPicture();
    if (!mWork || index < mNext)
        startAt(index);
    // Pictures passed over may still be in the making: each is waited for before it goes.
    for (; mNext < index; ++mNext) {
        mWork->take(mNext - mFirst);
        mMade[size_t(mNext)] = PrintPicture();
    }
    mWork->take(index - mFirst);
    mNext = index + 1;
    return std::move(mMade[size_t(index)]);
}

} // namespace gb
