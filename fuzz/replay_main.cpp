// Runs the fuzz entry point once on every file of the folders (or files) named on the command
// line, without libFuzzer: the regression pass of the sanitizer build replays the seeds and
// the inputs fuzzing once found. A sanitizer report ends the program with an error.

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

void runOne(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
}

} // namespace

int main(int argc, char **argv)
{
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QFile::decodeName(argv[i]);
        if (QFileInfo(arg).isFile()) {
            runOne(arg);
            ++count;
            continue;
        }
        QDirIterator it(arg, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            runOne(it.next());
            ++count;
        }
    }
    std::printf("%d inputs replayed\n", count);
    // No input at all means the seeds were not made: that is a failure, not a pass.
    return count > 0 ? 0 : 1;
}
