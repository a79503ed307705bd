// vorlan-fuzz-replay, vorlan-fuzz-http-replay: run their fuzz target once over
// each given file and over every file below each given folder, so the corpus
// keeps being checked with any compiler. A broken invariant aborts with the
// input's name printed last.

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char *argv[])
{
    const QByteArray program = QFileInfo(QFile::decodeName(argv[0])).fileName().toLocal8Bit();
    const char *name = program.constData();
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE-OR-FOLDER...\n", name);
        return 2;
    }

    QStringList inputs;
    for (int i = 1; i < argc; ++i) {
        const QString path = QFile::decodeName(argv[i]);
        const QFileInfo info(path);
        if (info.isDir()) {
            QStringList files;
            QDirIterator it(path, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                files << it.next();
            files.sort();
            inputs << files;
        } else if (info.isFile()) {
            inputs << path;
        } else {
            std::fprintf(stderr, "%s: no such file or folder: %s\n", name, argv[i]);
            return 2;
        }
    }
    // An empty corpus would pass without checking anything.
    if (inputs.isEmpty()) {
        std::fprintf(stderr, "%s: no inputs\n", name);
        return 1;
    }

    for (const QString &path : inputs) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "%s: cannot read %s\n", name, qPrintable(path));
            return 2;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(path));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                               std::size_t(bytes.size()));
    }
    std::printf("%s: %lld inputs passed\n", name, static_cast<long long>(inputs.size()));
    return 0;
}
