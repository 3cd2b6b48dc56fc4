#pragma once

#include "batch/batchcommand.h"
#include "platform/table/value.h"
#include "platform/imagelib/rgbimage.h"

#include <QByteArray>
#include <QStringList>

#include <functional>

#include <vector>

class QWidget;

namespace gb {

// One batch image-processing job: where, in which format and under which names processed
// images are written, what happens to existing files, and the script of commands to apply.
// The batch editor makes one when it opens; the web gallery makes one per image phase.
//
// Its settings are one fixed 14-slot array, the unit of saving and loading (stored whole
// in the settings database, so the slot order is a file format):
//   1 FINALFORMAT   int    3      output image type 1..9; 0 the source's own format
//   2 FINALFOLDER   string ""     output folder; ends with "/" after validate()
//   3 FINALFORMATRO int    3      output type for sources that cannot be written (PSD)
//   4 NAMING        int    1      a FileNaming code
//   5 STDSUFFIX     string "img"  text after the number (naming 3)
//   6 STDPREFIX     string "img"  text before the number (naming 4)
//   7 STDNAME       string ""     text after the source's base name (naming 2)
//   8 JPGQUALITY    int    100    JPEG quality 1..100
//   9 JPGPROG       logic  true   progressive JPEG
//  10 OVERWRITE     int    3      an OverwriteMode code
//  11 ENUMSTART     int    1      number of the first source file
//  12 ENUMLENGTH    int    4      minimum digits of the number (0: no zeros added)
//  13 COMMANDS      array  {}     the script, BatchCommand records in order
//  14 SHOWTHUMBS    logic  false  preview each source in the progress window
class Be
{
public:
    static constexpr int kSlotCount = 14;

    // A job with the default settings.
    explicit Be(QWidget *owner = nullptr);
    // A job with stored settings, checked as setAData() checks them.
    Be(QWidget *owner, const Value &data);

    // Back to the default settings and an empty script.
    Be &initialize();

    // The settings array as it is stored.
    Value aData() const;
    // Takes a stored settings array. A short array is padded with the defaults, a slot of
    // the wrong type takes its default, every command of the script is checked
    // (BatchCommand::fromValue), and slots past the 14th are dropped: a damaged record
    // always gives a whole job.
    void setAData(const Value &data);

    QWidget *owner() const { return mOwner; }
    void setOwner(QWidget *owner) { mOwner = owner; }

    int finalFormat() const;
    void setFinalFormat(int code);
    QString finalFolder() const;
    void setFinalFolder(const QString &folder);
    int finalFormatRo() const;
    void setFinalFormatRo(int code);
    int naming() const;
    void setNaming(int code);
    QString stdSuffix() const;
    void setStdSuffix(const QString &text);
    QString stdPrefix() const;
    void setStdPrefix(const QString &text);
    QString stdName() const;
    void setStdName(const QString &text);
    int jpgQuality() const;
    void setJpgQuality(int quality);
    bool jpgProg() const;
    void setJpgProg(bool progressive);
    int overwrite() const;
    void setOverwrite(int mode);
    int enumStart() const;
    void setEnumStart(int start);
    int enumLength() const;
    void setEnumLength(int length);
    // A copy of the script: changing it changes nothing in the job.
    std::vector<BatchCommand> commands() const { return mCommands; }
    // The script's first command, which loading may do on the way (a reducing Resize).
    const BatchCommand *firstCommand() const { return mCommands.empty() ? nullptr : &mCommands.front(); }
    void setCommands(std::vector<BatchCommand> commands) { mCommands = std::move(commands); }
    bool showThumbs() const;
    void setShowThumbs(bool show);

    // The number text of a 1-based file position (ENUM; `enum` is a keyword in C++):
    // ENUMSTART + index - 1, zero-padded to ENUMLENGTH digits.
    QString Enum(int index) const;
    // The output path of the source at a 1-based position: the naming rule, FINALFOLDER in
    // front as it stands, then the output extension (propFileExt). "" when the format code
    // has no extension.
    QString findNewName(const QString &sourcePath, int index) const;
    // The path with the output extension: unchanged for FINALFORMAT 0 (the source's own
    // extension in its own case), except a PSD source, which takes FINALFORMATRO's; any
    // other code replaces the text after the last "." of the last path component with its
    // extension ("." added when the name has none). "" for a code outside 1..9.
    QString propFileExt(const QString &path) const;
    // True for a file whose format can be read but not written (extension PSD, any case).
    static bool isReadOnlyFile(const QString &path);
    // The image type the output of this source is written in: FINALFORMAT, except that a
    // PSD source under FINALFORMAT 0 takes FINALFORMATRO, so name and contents agree.
    int outputFormat(const QString &sourcePath) const;

    // Checks the output folder: trims FINALFOLDER, completes it with "/" and stores it;
    // says "Please define final images folder" or "Output folder does not exist" (Info box
    // over the owner) and gives false when it is empty or missing. Then refuses, with
    // namingProblem()'s text, naming texts that would put outputs outside that folder, and
    // last, in one box naming each, numbers outside the ranges the page offers (a damaged
    // record's format, naming, quality, overwrite option or enumeration).
    bool validate();
    // "" when the naming text in use (STDNAME, STDSUFFIX or STDPREFIX, after NAMING) keeps
    // every output in the output folder; otherwise the sentence saying that it holds "/" or "..".
    QString namingProblem() const;

    // Runs the script over the source files under a progress window captioned caption.
    // Returns one output path per source, in order ("" where no name could be made), or an
    // empty list when the run was aborted or refused. An Abort confirmed while a file is
    // made or written ends the run once that file is written, the last file included. The
    // run serves events throughout, before its window opens too. A run whose outputs would
    // replace one of its sources, or write two sources to one path, is refused before
    // anything is written, and so is one whose naming texts leave the output folder
    // (namingProblem()): it says why, sets glAbortBatch and returns an empty list. Failed
    // loads and saves, and files saved after a step of the script failed (the log line
    // names the step), are logged, counted in one more log line at the end ("Not
    // processed: n of m files"), and never stop the run.
    QStringList batchProcess(const QStringList &sourceFiles, const QString &caption, bool closeWhenDone);

    // Applies the whole script to one image and returns the result (the given buffer is
    // consumed). Shows and logs nothing.
    RgbImage testProcess(RgbImage image) const;

    // What a run's worker makes of one source, for the run's own thread to write: the
    // encoded output (or a finished file staged elsewhere, which is renamed into place), or
    // why there is none.
    struct Output
    {
        QByteArray bytes;
        QString stagedPath;
        QString loadError; // the loader's text: the source did not load
        QStringList failedSteps; // the descriptions of the script's steps that could not be done
        bool encoded = false;
        bool skipped = false; // an existing output that "never overwrite" keeps: nothing made
        RgbImage preview;
    };
    // Makes one source's output on a worker thread: index is the source's place in the list,
    // name its output path (never empty).
    using MakeOutput = std::function<void(int index, const QString &source, const QString &name, Output &out)>;

    // batchProcess() with the work of each file given: make runs on up to `threads` worker
    // threads while this thread writes the outputs, asks the questions and writes the log in
    // list order, so any thread count gives the same files and the same log.
    QStringList batchRun(const QStringList &sourceFiles, const QString &caption, bool closeWhenDone, int threads,
                         const MakeOutput &make) const;
    // The work of one file in batchProcess(): load, script, encode for name.
    void makeOutput(const QString &source, const QString &name, Output &out) const;
    // The rest of that work on an image already loaded: the script from its second command
    // when loading did the first, then the encoding for name. A null image is one that could
    // not be had: out says why.
    void encodeOutput(RgbImage image, bool firstDone, const QString &source, const QString &name, Output &out) const;
    // Runs the script from command `from` on, carrying the colour count that a colour-depth
    // command sets and saving uses. A step that fails leaves the image as it was and the run
    // goes on with the next; its description is added to failedSteps when given.
    void runScript(RgbImage &image, size_t from, int &colorCount, QStringList *failedSteps = nullptr) const;

private:
    const Value &slot(int n) const { return mData[size_t(n - 1)]; }
    void setSlot(int n, Value v) { mData[size_t(n - 1)] = std::move(v); }

    QWidget *mOwner = nullptr;
    // Slots 1..14 with slot 13 kept aside as typed commands (mCommands).
    ValueArray mData;
    std::vector<BatchCommand> mCommands;
};

} // namespace gb
