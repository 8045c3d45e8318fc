#include "platform/diskspace.h"

#include <QCoreApplication>
#include <QFile>
#include <sys/resource.h>
#include <sys/statvfs.h>

namespace {

struct DiskSpaceText
{
    Q_DECLARE_TR_FUNCTIONS(DiskSpace)
};

// Less room than this left is a full disk: a journal's page, a document's page and the
// file system's own records need more.
constexpr qint64 kLeastRoom = 256 * 1024;

} // namespace

QString fullDiskReason(const QString& folder)
{
    struct statvfs disk
    {
    };
    if (::statvfs(QFile::encodeName(folder).constData(), &disk) == 0
        && qint64(disk.f_bavail) * qint64(disk.f_frsize) < kLeastRoom) {
        //: Why a file could not be written, after its path and a colon; %1 is a folder
        return DiskSpaceText::tr("the disk holding %1 is full").arg(folder);
    }
    struct rlimit limit
    {
    };
    if (::getrlimit(RLIMIT_FSIZE, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY) {
        //: Why a file could not be written, after its path and a colon; %1 is a folder, %2 a number of bytes
        return DiskSpaceText::tr("the disk holding %1 is full: no file of this program may grow past %2 bytes")
            .arg(folder)
            .arg(quint64(limit.rlim_cur));
    }
    return QString();
}
