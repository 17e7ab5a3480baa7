// SPDX-License-Identifier: GPL-3.0-or-later
#include "saferead.h"

#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The reason a file could not be opened, in the user's language where common.
QString openProblem(int error) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return SafeRead::tr("файл не найден");
    case ELOOP:
        return SafeRead::tr("символические ссылки на файл образуют кольцо");
    case EACCES:
    case EPERM:
        return SafeRead::tr("нет прав на чтение этого файла");
    default:
        return SafeRead::tr("файл не читается: %1")
            .arg(QString::fromLocal8Bit(std::strerror(error)));
    }
}

// Closes the descriptor however the read ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};
} // namespace

SafeRead::Result SafeRead::read(const QString& path, qint64 mostBytes) {
    Result result;
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) {
        result.problem = openProblem(errno);
        return result;
    }
    struct stat status {};
    if (::fstat(file.fd(), &status) != 0) {
        result.problem = openProblem(errno);
        return result;
    }
    if (S_ISDIR(status.st_mode)) {
        result.problem = tr("это папка, а не файл");
        return result;
    }
    if (!S_ISREG(status.st_mode)) {
        result.problem = tr("это не обычный файл");
        return result;
    }
    result.size = status.st_size;
    // One byte more than the limit is enough to know it is too large.
    const qint64 wanted = std::min<qint64>(status.st_size, mostBytes) + 1;
    result.bytes.resize(wanted);
    qint64 got = 0;
    while (got < wanted) {
        const ssize_t step = ::read(file.fd(), result.bytes.data() + got, size_t(wanted - got));
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0) {
            result.problem = openProblem(errno);
            result.bytes.clear();
            return result;
        }
        if (step == 0)
            break;
        got += step;
    }
    result.bytes.truncate(got);
    result.tooLarge = got > mostBytes || status.st_size > mostBytes;
    return result;
}
