#include "platform/paper.h"

#include <QLocale>
#include <cstdint>

#if defined(__GLIBC__)
#include <langinfo.h>
#endif

QPageSize localePaperSize()
{
#if defined(_NL_PAPER_WIDTH) && defined(_NL_PAPER_HEIGHT)
    // glibc hands the sizes over in millimetres, as numbers in the place of a pointer.
    const auto width = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
    const auto height = static_cast<int>(reinterpret_cast<std::intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
    if (width > 0 && height > 0) {
        const QPageSize::PageSizeId id
            = QPageSize::id(QSizeF(width, height), QPageSize::Millimeter, QPageSize::FuzzyMatch);
        return id == QPageSize::Custom ? QPageSize(QSizeF(width, height), QPageSize::Millimeter) : QPageSize(id);
    }
#endif
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4);
}
