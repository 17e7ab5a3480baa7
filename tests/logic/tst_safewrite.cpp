// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever fails while a file is written, the old file stays exactly as it
// was, no new or temporary file is left, and the message names the file. The
// device fails after a given number of bytes: a save file that accepts no more,
// or the process's file size limit, which makes the kernel refuse the write
// as a full disk does. Targets that are not regular files are refused.
#include "saferead.h"
#include "safewrite.h"

#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Qt's file devices buffer 16 KiB: a file smaller than that would be written
// only when the file is closed, a larger one partly at once.
constexpr qsizetype kSmallFile = 10000;
constexpr qsizetype kLargeFile = 40000;
constexpr qint64 kInsideBuffer = 100;
constexpr qint64 kPastBuffer = 20000;
constexpr qint64 kAtCommit = -1; // every byte accepted, then the commit fails

const QString kMovedAway = QStringLiteral(".moved");
const QByteArray kOld("the picture saved last week\n");

QByteArray newContent(qsizetype size = kLargeFile) {
    QByteArray content(size, '\0');
    for (qsizetype i = 0; i < content.size(); ++i)
        content[i] = char('a' + i % 26);
    return content;
}

// A save file whose device takes `limit` bytes and then fails. For a failure at
// the commit it takes every byte and then its folder moves away (as when the
// medium is pulled out), so the temporary file cannot take the target's place.
class FailingSaveFile : public QSaveFile {
public:
    FailingSaveFile(const QString& path, qint64 limit) : QSaveFile(path), m_left(limit) {}

protected:
    qint64 writeData(const char* data, qint64 length) override {
        if (m_left == kAtCommit) {
            const qint64 written = QSaveFile::writeData(data, length);
            const QString folder = QFileInfo(fileName()).absolutePath();
            QDir().rename(folder, folder + kMovedAway);
            return written;
        }
        if (m_left <= 0)
            return -1;
        const qint64 accepted = std::min(length, m_left);
        m_left -= accepted;
        return QSaveFile::writeData(data, accepted);
    }

private:
    qint64 m_left;
};

// The kernel refuses to grow any file of this process past `limit` bytes while
// it lives (EFBIG, with the signal ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit now = m_before;
        now.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &now);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &m_before); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_before{};
};

QStringList entries(const QTemporaryDir& folder) {
    return QDir(folder.path())
        .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
}
} // namespace

class TestSafeWrite : public QObject {
    Q_OBJECT

private slots:
    void written();
    void failingDevice_data();
    void failingDevice();
    void notARegularFile_data();
    void notARegularFile();
};

// The good case, over an old file: the new content exactly, nothing else left.
void TestSafeWrite::written() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("keep.png"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kOld) == kOld.size());
    old.close();
    QCOMPARE(SafeWrite::write(path, newContent()), QString());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), newContent());
    QCOMPARE(entries(folder), QStringList{"keep.png"});
}

void TestSafeWrite::failingDevice_data() {
    QTest::addColumn<bool>("sizeLimit"); // the kernel's limit, else the save file's
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<bool>("oldFile");
    QTest::addColumn<qsizetype>("size");
    for (const qsizetype size : {kSmallFile, kLargeFile})
        for (const bool oldFile : {true, false}) {
            const char* over = oldFile ? "over an old file" : "new file";
            const int kb = int(size / 1000);
            const auto row = [&](const char* where, bool sizeLimit, qint64 limit) {
                QTest::addRow("%d kB, %s, %s", kb, where, over)
                    << sizeLimit << limit << oldFile << size;
            };
            row("no byte", false, 0);
            row("inside the buffer", false, kInsideBuffer);
            if (size > kPastBuffer)
                row("past the buffer", false, kPastBuffer);
            row("at commit", false, kAtCommit);
            row("disk full at once", true, 0);
            row("disk full inside the buffer", true, kInsideBuffer);
            if (size > kPastBuffer)
                row("disk full past the buffer", true, kPastBuffer);
        }
}

void TestSafeWrite::failingDevice() {
    QFETCH(bool, sizeLimit);
    QFETCH(qint64, limit);
    QFETCH(bool, oldFile);
    QFETCH(qsizetype, size);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("keep.png"));
    if (oldFile) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(kOld) == kOld.size());
    }
    QString said;
    if (sizeLimit) {
        const FileSizeLimit full{static_cast<rlim_t>(limit)};
        said = SafeWrite::write(path, newContent(size));
    } else {
        FailingSaveFile file(path, limit);
        said = SafeWrite::writeThrough(file, newContent(size));
        if (limit == kAtCommit)
            QVERIFY(QDir().rename(folder.path() + kMovedAway, folder.path()));
    }
    QVERIFY2(said.contains(QDir::toNativeSeparators(path)), qPrintable(said));
    if (oldFile) {
        QFile old(path);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), kOld);
        QCOMPARE(entries(folder), QStringList{"keep.png"});
    } else {
        QCOMPARE(entries(folder), QStringList());
    }
}

void TestSafeWrite::notARegularFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("throughLink");
    for (const char* kind : {"FIFO", "device node", "socket", "folder"}) {
        QTest::addRow("%s", kind) << QString::fromLatin1(kind) << false;
        QTest::addRow("link to a %s", kind) << QString::fromLatin1(kind) << true;
    }
}

// Refused with a message; the node stays what it was, no file appears. The
// reader refuses it too, with no bytes, at once (a FIFO without a writer and
// the null device would read as an empty file).
void TestSafeWrite::notARegularFile() {
    QFETCH(QString, kind);
    QFETCH(bool, throughLink);
    QTemporaryDir folder;
    const QString node = folder.filePath(QStringLiteral("node"));
    const QByteArray nodePath = QFile::encodeName(node);
    if (kind == u"FIFO") {
        QCOMPARE(mkfifo(nodePath.constData(), 0600), 0);
    } else if (kind == u"device node") {
        // The null device's numbers, in a folder of the test's own.
        if (mknod(nodePath.constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
            QSKIP("no permission to make a device node here");
    } else if (kind == u"socket") {
        const int s = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (nodePath.size() >= qsizetype(sizeof(address.sun_path)))
            QSKIP("the temporary folder's path is too long for a socket");
        qstrncpy(address.sun_path, nodePath.constData(), sizeof(address.sun_path));
        QCOMPARE(bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        close(s);
    } else {
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("node")));
    }
    struct stat before {};
    QCOMPARE(lstat(nodePath.constData(), &before), 0);
    const QString target = throughLink ? folder.filePath(QStringLiteral("link.png")) : node;
    if (throughLink)
        QVERIFY(QFile::link(node, target));
    const QStringList present = entries(folder);

    const QString said = SafeWrite::write(target, newContent());
    QVERIFY2(said.contains(QDir::toNativeSeparators(target)), qPrintable(said));
    struct stat after {};
    QCOMPARE(lstat(nodePath.constData(), &after), 0);
    QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(entries(folder), present);
    if (throughLink)
        QVERIFY(QFileInfo(target).isSymLink());

    const SafeRead::Result read = SafeRead::read(target, 100);
    QVERIFY2(!read.problem.isEmpty() && read.bytes.isEmpty(), qPrintable(read.problem));
}

QTEST_GUILESS_MAIN(TestSafeWrite)
#include "tst_safewrite.moc"
