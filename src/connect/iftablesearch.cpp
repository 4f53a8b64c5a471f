#include "connect/iftablesearch.h"

#include "core/session.h"

#include <algorithm>

namespace {

// Lowers A-Z only, so that letters outside ASCII still have to match exactly.
QString asciiLower(const QString &text)
{
    QString lowered = text;
    for (QChar &c : lowered) {
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return lowered;
}

} // namespace

IfTableSearch::IfTableSearch(CellText cellText, int gridRowCount)
    : m_cellText(std::move(cellText)), m_gridRowCount(gridRowCount)
{
}

void IfTableSearch::start()
{
    session().ifSearchCol = 0;
    session().ifSearchRow = 0;
}

int IfTableSearch::filledRowCount() const
{
    const int limit = std::max(1000, m_gridRowCount);
    int n = 0;
    while (n < limit && !m_cellText(n, 0).isEmpty())
        ++n;
    return n;
}

bool IfTableSearch::matches(const QString &cellText, const QString &text)
{
    if (text.isEmpty())
        return false;
    return asciiLower(cellText).contains(asciiLower(text));
}

QString IfTableSearch::endMessage()
{
    return QStringLiteral("End of interface table reached.");
}

std::optional<IfTableSearch::Hit> IfTableSearch::findNext(const QString &text) const
{
    Session &s = session();
    const int n = filledRowCount();
    if (s.ifSearchCol == LastColumn) {
        s.ifSearchCol = 0;
        ++s.ifSearchRow;
    }
    // From the start the scan runs one row past the last filled one; that
    // row is empty, so it never gives a hit.
    const int firstRow = s.ifSearchRow == 0 ? 1 : s.ifSearchRow;
    const int lastRow = s.ifSearchRow == 0 ? n : n - 1;
    if (!text.isEmpty()) {
        int firstCol = s.ifSearchCol + 1;
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int col = firstCol; col <= LastColumn; ++col) {
                if (matches(m_cellText(row, col), text)) {
                    s.ifSearchRow = row;
                    s.ifSearchCol = col;
                    return Hit{row, col};
                }
            }
            firstCol = 1;
        }
    }
    start();
    return std::nullopt;
}
