#pragma once

#include <QString>

#include <functional>
#include <optional>

// The Find Next of an interface-table window, kept apart from the window so
// that it runs on any grid. It reads cells by grid coordinates (row 0 holds
// the headings, column 0 the row numbers) and keeps its position in
// session().ifSearchRow / ifSearchCol, so a search continues where the last
// hit was, whichever window is searched.
class IfTableSearch final
{
public:
    // Text of one grid cell; out-of-range coordinates give an empty text.
    using CellText = std::function<QString(int gridRow, int gridCol)>;

    struct Hit
    {
        int row = 0;
        int col = 0;
        bool operator==(const Hit &) const = default;
    };

    // The last grid column the search looks at.
    static constexpr int LastColumn = 10;

    IfTableSearch(CellText cellText, int gridRowCount);

    // Puts the search position before the first body cell.
    static void start();

    // Looks for the next cell containing text after the session's position.
    // A hit becomes the new position; no hit resets the position, and the
    // caller tells the user with endMessage().
    std::optional<Hit> findNext(const QString &text) const;

    // The number of filled cells at the top of column 0, heading included.
    int filledRowCount() const;

    // Whether cellText contains text, ASCII letters compared without case.
    static bool matches(const QString &cellText, const QString &text);

    static QString endMessage();

private:
    CellText m_cellText;
    int m_gridRowCount = 0;
};
