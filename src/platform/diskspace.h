#pragma once

#include <QString>

// Why a write into this folder failed for want of room, in words for a message: "the
// disk holding FOLDER is full", with the limit where the program may not grow a file
// past a size (ulimit -f), which looks the same from inside. Empty where the disk has
// room and no such limit is set: the write failed for another reason.
QString fullDiskReason(const QString& folder);
