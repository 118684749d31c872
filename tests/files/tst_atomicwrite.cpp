#include "IgnFile.h"
#include "ImageFile.h"
#include "SettingsFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

enum class Writer
{
    Ign,
    Settings,
    Image
};
enum class Failure
{
    None,
    ReadOnlyFolder,
    FolderInPlace,
    FileSizeLimit
};

const QByteArray kOldContent = "old content that must survive\n";

bool writeWith(Writer writer, const QString &path)
{
    ParameterSet image;
    image.SetDefaults();
    Settings settings;
    settings.left = 1;
    settings.file = QStringLiteral("/x.ign");
    switch (writer) {
    case Writer::Ign:
        return IgnFile::save(path, image);
    case Writer::Settings:
        return SettingsFile::save(path, settings);
    case Writer::Image:
        return ImageFile::save(path, image);
    }
    return false;
}

#ifdef Q_OS_UNIX
// Holds writes beyond a few bytes back with EFBIG, for root as for anyone.
class FileSizeLimit
{
public:
    FileSizeLimit()
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit tight = m_old;
        tight.rlim_cur = 8;
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};
#endif

} // namespace

Q_DECLARE_METATYPE(Writer)
Q_DECLARE_METATYPE(Failure)

class TestAtomicWrite : public QObject
{
    Q_OBJECT

private slots:
    void writes_data()
    {
        QTest::addColumn<Writer>("writer");
        QTest::addColumn<Failure>("failure");
        const QList<std::pair<const char *, Writer>> writers{
            {"ign", Writer::Ign}, {"settings", Writer::Settings}, {"image", Writer::Image}};
        const QList<std::pair<const char *, Failure>> failures{
            {"replaces", Failure::None},
            {"read-only folder", Failure::ReadOnlyFolder},
            {"folder in the file's place", Failure::FolderInPlace},
            {"file size limit", Failure::FileSizeLimit}};
        for (const auto &[writerName, writer] : writers) {
            for (const auto &[failureName, failure] : failures)
                QTest::addRow("%s: %s", writerName, failureName) << writer << failure;
        }
    }

    void writes()
    {
        QFETCH(Writer, writer);
        QFETCH(Failure, failure);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("target"));
        const QString path = folder + QStringLiteral("/file.txt");
        QVERIFY(QDir().mkpath(failure == Failure::FolderInPlace ? path : folder));
        if (failure != Failure::FolderInPlace) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write(kOldContent);
        }

        bool written = false;
        switch (failure) {
        case Failure::None:
            written = writeWith(writer, path);
            break;
        case Failure::ReadOnlyFolder: {
#ifdef Q_OS_UNIX
            if (geteuid() == 0)
                QSKIP("root writes into read-only folders");
#endif
            const auto permissions = QFile::permissions(folder);
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
            written = writeWith(writer, path);
            QFile::setPermissions(folder, permissions);
            break;
        }
        case Failure::FolderInPlace:
            written = writeWith(writer, path);
            break;
        case Failure::FileSizeLimit: {
#ifdef Q_OS_UNIX
            FileSizeLimit limit;
            written = writeWith(writer, path);
#else
            QSKIP("file size limits are a Unix matter");
#endif
            break;
        }
        }

        QCOMPARE(written, failure == Failure::None);
        const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot |
                                                           QDir::Hidden | QDir::System);
        QCOMPARE(entries, QStringList{QStringLiteral("file.txt")});
        if (failure == Failure::FolderInPlace) {
            QVERIFY(QFileInfo(path).isDir());
            return;
        }
        QFile result(path);
        QVERIFY(result.open(QIODevice::ReadOnly));
        const QByteArray content = result.readAll();
        if (failure == Failure::None)
            QVERIFY(content != kOldContent && !content.isEmpty());
        else
            QCOMPARE(content, kOldContent);
    }
};

#include "TestMain.h"

ZEVRAS_TEST_GUILESS_MAIN(TestAtomicWrite)
#include "tst_atomicwrite.moc"
