#include "platform/paper.h"

#include <QLocale>
#include <QSizeF>
#include <cstdint>

#if defined(__GLIBC__)
#include <langinfo.h>
#endif

QPageSize localePaperSize()
{
#if defined(__GLIBC__)
    // glibc hands the sizes over in millimetres, as numbers in the place of a pointer.
    // (Its _NL_PAPER_* names are enumerators, not macros: an #ifdef on them is never
    // true.) They follow LC_PAPER once the toolkit has set the locale from the
    // environment.
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
