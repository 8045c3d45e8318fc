#pragma once

#include <QPageSize>

// The paper the user's locale prints on (LC_PAPER): Letter in the United States and
// Canada, A4 in most other places; A4 where the system does not say.
QPageSize localePaperSize();
